// The program without windows: the same settings, log and housekeeping, ended by a signal or
// by the scheduled power-off.
#pragma once

#include <QObject>
#include <memory>

#include "app/Housekeeping.h"
#include "app/Messages.h"

namespace trelvix {

class HeadlessHost : public QObject {
    Q_OBJECT
public:
    explicit HeadlessHost(QObject* parent = nullptr);
    ~HeadlessHost() override;

    // Logs the start and starts the timers.
    void Start();
    // Logs the exit, saves every file and quits the event loop.
    void Exit(bool powerOffExit);

    Housekeeping housekeeping;

private:
    LogReceiverObject receiver_;
    bool exited_ = false;
};

}  // namespace trelvix
