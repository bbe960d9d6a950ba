// The timed-snapshot thread of a camera's upload: asks the camera for a picture at a fixed
// interval, so that the server gets pictures even when nothing moves.
#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace trelvix {

class RecordClass_FTP;

// A stop request that ends a thread's sleep at once.
class UploadStopSignal {
public:
    void Request();
    bool Requested() const;
    // Sleeps for `duration` or until the stop request; true when stop was requested.
    bool WaitFor(std::chrono::milliseconds duration);

private:
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool requested_ = false;
};

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
    UploadStopSignal stop_;
    std::thread thread_;
    std::atomic<int> requestsPosted_{0};
};

}  // namespace trelvix
