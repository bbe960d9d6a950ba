// The timed-snapshot thread of a camera's upload: asks the camera for a picture at a fixed
// interval, so that the server gets pictures even when nothing moves.
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>

#include "common/StoppableWorker.h"

namespace trelvix {

class RecordClass_FTP;

class Work_FTP {
public:
    // Takes the target, the camera number and the interval from the record now; the thread
    // never reads the record.
    explicit Work_FTP(RecordClass_FTP* owner);
    ~Work_FTP();  // Terminate()
    Work_FTP(const Work_FTP&) = delete;
    Work_FTP& operator=(const Work_FTP&) = delete;

    void Resume();
    // Asks the thread to stop and returns once it has ended.
    void Terminate();
    int requestsPosted() const { return requestsPosted_; }

    QObject* const targetWindow;

private:
    void Execute();

    const int cameraId_;
    const std::chrono::milliseconds interval_;
    StoppableWorker worker_;
    std::atomic<int> requestsPosted_{0};
};

}  // namespace trelvix
