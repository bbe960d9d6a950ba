// The program without windows: the same settings, log and housekeeping, ended by a signal or
// by the scheduled power-off.
#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "app/Housekeeping.h"
#include "app/CameraHost.h"
#include "app/Messages.h"

namespace trelvix {

class HeadlessHost : public QObject {
    Q_OBJECT
public:
    explicit HeadlessHost(QObject* parent = nullptr);
    ~HeadlessHost() override;

    // Logs the start, starts one camera per kept device and the timers.
    void Start();
    // Logs the exit, saves every file and quits the event loop.
    void Exit(bool powerOffExit);

    Housekeeping housekeeping;
    std::vector<std::unique_ptr<HeadlessPanel>> panels;

private:
    LogReceiverObject receiver_;
    bool exited_ = false;
};

}  // namespace trelvix
