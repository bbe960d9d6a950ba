// Jobs run one after another on a thread of their own; a receiver that hangs holds up only its
// own queue, which stays bounded (the oldest job goes).
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>

namespace trelvix {

class SendQueue {
public:
    explicit SendQueue(size_t limit = 32);
    // Runs the job in hand to its end, drops the rest.
    ~SendQueue();
    void Push(std::function<void()> job);
    // Waits the pause, or less when the queue is being ended; false then.
    bool Pause(std::chrono::milliseconds pause);
    // Stopped once the queue is being ended: a transfer under way gives up.
    std::stop_token stopping() const { return thread_.get_stop_token(); }

private:
    void Run(std::stop_token stop);
    size_t limit_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<std::function<void()>> jobs_;
    std::jthread thread_;
};

}  // namespace trelvix
