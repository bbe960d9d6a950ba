#include "history/LogReceiver.h"

#include <QCoreApplication>
#include <QPointer>
#include <atomic>
#include <cstdio>
#include <mutex>

#include "common/Logging.h"
#include "common/Clock.h"
#include "config/GlobalSettings.h"
#include "config/Language.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
std::mutex receiverMutex;
QPointer<QObject> logReceiver;
std::atomic<bool> logEcho{false};
std::atomic<const GlobalSettings*> logSettings{nullptr};
bool lastWriteFailed = false;

void EchoLogLine(const EventLogRecord& record, bool written, const QString& folder) {
    const QString line = LogLine(record);
    if (!line.isEmpty()) {
        std::fprintf(stdout, "%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    }
    // Once per run of failures: a full disk must not flood the journal.
    if (!written && !lastWriteFailed) {
        qCWarning(lcHistory, "cannot write the day's log file in %s", folder.toUtf8().constData());
    }
    lastWriteFailed = !written;
}

void AppendToLog(const EventLogRecord& record) {
    const GlobalSettings* settings = logSettings;
    if (!settings) return;
    const bool written = AppendLogRecord(settings->LogPath, record);
    if (logEcho) EchoLogLine(record, written, settings->LogPath);
}
}  // namespace

void SetLogSettings(const GlobalSettings* settings) {
    logSettings = settings;
}

void SetLogReceiver(QObject* receiver) {
    std::lock_guard lock(receiverMutex);
    logReceiver = receiver;
}

QObject* LogReceiver() {
    std::lock_guard lock(receiverMutex);
    return logReceiver.data();
}

void PostEventRecord(const EventLogRecord& record) {
    std::lock_guard lock(receiverMutex);
    if (logReceiver)
        QCoreApplication::postEvent(logReceiver.data(), new EventRecordMessage(record));
}

void SetLogEcho(bool on) {
    logEcho = on;
}

LogReceiverObject::LogReceiverObject(QObject* parent) : QObject(parent) {
    SetLogReceiver(this);
}

LogReceiverObject::~LogReceiverObject() {
    if (LogReceiver() == this) SetLogReceiver(nullptr);
}

void LogReceiverObject::Flush() {
    QCoreApplication::sendPostedEvents(this, kEventRecordMessage);
}

bool LogReceiverObject::event(QEvent* e) {
    if (e->type() == QEvent::Type(kEventRecordMessage)) {
        AppendToLog(static_cast<EventRecordMessage*>(e)->record);
        return true;
    }
    return QObject::event(e);
}

void LogProgramStart() {
    AppendToLog(MakeEventRecord(kEventProgram, LanguageText(text::kProgram), QString(),
                                LanguageText(text::kProgramStarted), -1, QString(), Now()));
}

void LogProgramExit(bool powerOffExit) {
    const int source = powerOffExit ? text::kScheduler : text::kProgram;
    const int description =
        powerOffExit ? text::kProgramClosedForScheduledShutdown : text::kProgramClosed;
    AppendToLog(MakeEventRecord(kEventProgram, LanguageText(source), QString(),
                                LanguageText(description), -1, QString(), Now()));
}

void LogProgramNote(int descriptionId, const QString& filePath) {
    AppendToLog(MakeEventRecord(kEventProgram, LanguageText(text::kProgram), QString(),
                                LanguageText(descriptionId), -1, filePath, Now()));
}

}  // namespace trelvix
