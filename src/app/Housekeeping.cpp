#include "app/Housekeeping.h"

#include "app/Messages.h"
#include "common/Clock.h"
#include "config/Option.h"

namespace trelvix {

LogReceiverObject::LogReceiverObject(QObject* parent) : QObject(parent) {
    SetLogReceiver(this);
}

LogReceiverObject::~LogReceiverObject() {
    if (LogReceiver() == this) SetLogReceiver(nullptr);
}

bool LogReceiverObject::event(QEvent* e) {
    if (e->type() == QEvent::Type(kEventRecordMessage)) {
        if (gOption) gOption->AppendLogRecord(static_cast<EventRecordMessage*>(e)->record);
        return true;
    }
    return QObject::event(e);
}

Housekeeping::Housekeeping(QObject* parent) : QObject(parent) {
    Timer_datetime.setInterval(1000);
    TimerStartDo.setInterval(60000);
    connect(&Timer_datetime, &QTimer::timeout, this, &Housekeeping::TimerDatetimeTick);
    connect(&TimerStartDo, &QTimer::timeout, this, &Housekeeping::TimerStartDoTick);
}

void Housekeeping::StartTimers() {
    Timer_datetime.start();
    TimerStartDo.start();
}

void Housekeeping::StopTimers() {
    Timer_datetime.stop();
    TimerStartDo.stop();
}

void Housekeeping::TimerDatetimeTick() {
    if (!gOption || !gOption->IsPowerOffTime()) return;
    gOption->RunShutdownCommand();
    emit powerOffDue();
}

void Housekeeping::TimerStartDoTick() {
    const bool wasActive = TimerStartDo.isActive();
    TimerStartDo.stop();
    if (gOption) {
        if (gOption->lastCleanupDate.date() != Now().date()) gOption->DailyRetention();
        if (++cleanupTick > 5) {
            cleanupTick = 0;
            emit periodicCleanupDue();
        }
        emit diskLabelsDue();
    }
    if (wasActive) TimerStartDo.start();
}

void LogProgramStart(Option* option) {
    option->AppendLogRecord(MakeEventRecord(3, option->LanguageText(1), QString(),
                                            option->LanguageText(2), -1, QString(), Now()));
}

void LogProgramExit(Option* option, bool powerOffExit) {
    const int source = powerOffExit ? 3 : 1;
    const int description = powerOffExit ? 4 : 5;
    option->AppendLogRecord(MakeEventRecord(3, option->LanguageText(source), QString(),
                                            option->LanguageText(description), -1, QString(),
                                            Now()));
}

}  // namespace trelvix
