// One worker thread: started once, woken, and stopped and joined; its sleeps end at once when
// a stop is requested, so no owner ever waits out a period.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
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
    void RequestStop() { stop_.request_stop(); }
    // Waits for the thread to end; harmless when none runs.
    void Join();
    void Stop() {
        RequestStop();
        Join();
    }
    bool StopRequested() const { return stop_.stop_requested(); }
    bool Running() const { return thread_.joinable(); }

    // Sleeps for `duration` or until a stop; true when a stop was requested.
    bool SleepFor(std::chrono::nanoseconds duration);
    // Sleeps until `deadline` or a stop; true when a stop was requested.
    bool SleepUntil(std::chrono::steady_clock::time_point deadline);
    // Waits for a wake or a stop; true when a stop was requested.
    bool WaitForWake();

private:
    // The worker's own source rather than the thread's: a stop may come before the start.
    std::stop_source stop_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    bool woken_ = false;
    std::jthread thread_;
};

inline void StoppableWorker::Start(std::function<void()> body) {
    std::lock_guard lock(mutex_);
    if (thread_.joinable() || StopRequested()) return;
    thread_ = std::jthread(std::move(body));
}

inline void StoppableWorker::Wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wake_.notify_all();
}

inline void StoppableWorker::Join() {
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id()) thread_.join();
}

inline bool StoppableWorker::SleepFor(std::chrono::nanoseconds duration) {
    return SleepUntil(std::chrono::steady_clock::now() + duration);
}

inline bool StoppableWorker::SleepUntil(std::chrono::steady_clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    wake_.wait_until(lock, stop_.get_token(), deadline, [] { return false; });
    return StopRequested();
}

inline bool StoppableWorker::WaitForWake() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, stop_.get_token(), [this] { return woken_; });
    woken_ = false;
    return StopRequested();
}

}  // namespace trelvix
