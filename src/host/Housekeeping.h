// The two housekeeping timers that the camera host runs for both programs.
#pragma once

#include <QObject>
#include <QTimer>

namespace trelvix {

// `Timer_datetime` (power-off check, every second) and `TimerStartDo` (daily retention and the
// periodic clean-up, every minute). The owner reacts to powerOffDue by closing as the exit
// button does.
class Housekeeping : public QObject {
    Q_OBJECT
public:
    explicit Housekeeping(QObject* parent = nullptr);

    void StartTimers();
    void StopTimers();
    bool TimersActive() const { return Timer_datetime.isActive() && TimerStartDo.isActive(); }

    // The two handlers; public so tests can drive them with an injected clock.
    void TimerDatetimeTick();
    void TimerStartDoTick();

    QTimer Timer_datetime;
    QTimer TimerStartDo;
    int cleanupTick = 0;

signals:
    // The first tick of a new day: the daily retention is due.
    void retentionDue();
    // The scheduled power-off time has come; the shutdown command was started.
    void powerOffDue();
    // Every sixth minute: the disk clean-up and the recording-root move are due.
    void periodicCleanupDue();
    // Every minute, after the retention: the free-space labels want refreshing.
    void diskLabelsDue();
};

}  // namespace trelvix
