#include "history/LogReceiver.h"

#include <QCoreApplication>
#include <QPointer>
#include <mutex>

#include "common/Clock.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
std::mutex receiverMutex;
QPointer<QObject> logReceiver;

void AppendToLog(const EventLogRecord& record) {
    if (gOption) AppendLogRecord(gOption->LogPath, record);
}
}  // namespace

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

}  // namespace trelvix
