#include "host/Housekeeping.h"

#include "common/Clock.h"
#include "config/Option.h"

namespace trelvix {

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
        if (gOption->lastCleanupDate.date() != Now().date()) emit retentionDue();
        if (++cleanupTick > 5) {
            cleanupTick = 0;
            emit periodicCleanupDue();
        }
        emit diskLabelsDue();
    }
    if (wasActive) TimerStartDo.start();
}

}  // namespace trelvix
