// One worker thread: started once, woken, and stopped and joined; its sleeps end at once when
// a stop is requested, so no owner ever waits out a period.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace trelvix {

class StoppableWorker {
public:
    StoppableWorker() = default;
    ~StoppableWorker() { Stop(); }
    StoppableWorker(const StoppableWorker&) = delete;
    StoppableWorker& operator=(const StoppableWorker&) = delete;

    // Runs `body` on a new thread; nothing when one runs already or a stop was requested.
    void Start(std::function<void()> body);
    // Ends the current (or the next) wait early, without stopping.
    void Wake();
    void RequestStop();
    // Waits for the thread to end; harmless when none runs.
    void Join();
    void Stop() {
        RequestStop();
        Join();
    }
    bool StopRequested() const;
    bool Running() const { return thread_.joinable(); }

    // Sleeps for `duration` or until a stop; true when a stop was requested.
    bool SleepFor(std::chrono::nanoseconds duration);
    // Sleeps until `deadline` or a stop; true when a stop was requested.
    bool SleepUntil(std::chrono::steady_clock::time_point deadline);
    // Waits for a wake or a stop; true when a stop was requested.
    bool WaitForWake();

private:
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool woken_ = false;
    std::thread thread_;
};

inline void StoppableWorker::Start(std::function<void()> body) {
    std::lock_guard lock(mutex_);
    if (thread_.joinable() || stop_) return;
    thread_ = std::thread(std::move(body));
}

inline void StoppableWorker::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wake_.notify_all();
}

inline void StoppableWorker::RequestStop() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

inline void StoppableWorker::Join() {
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

inline bool StoppableWorker::StopRequested() const {
    std::lock_guard lock(mutex_);
    return stop_;
}

inline bool StoppableWorker::SleepFor(std::chrono::nanoseconds duration) {
    return SleepUntil(std::chrono::steady_clock::now() + duration);
}

inline bool StoppableWorker::SleepUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    wake_.wait_until(lock, deadline, [this] { return stop_; });
    return stop_;
}

inline bool StoppableWorker::WaitForWake() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stop_ || woken_; });
    woken_ = false;
    return stop_;
}

}  // namespace trelvix
