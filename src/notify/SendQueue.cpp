#include "notify/SendQueue.h"

namespace trelvix {

SendQueue::SendQueue(size_t limit)
    : limit_(limit), thread_([this](std::stop_token stop) { Run(std::move(stop)); }) {}

SendQueue::~SendQueue() {
    {
        std::lock_guard lock(mutex_);
        jobs_.clear();
    }
    thread_.request_stop();
    thread_.join();
}

void SendQueue::Push(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        if (thread_.get_stop_token().stop_requested()) return;
        if (jobs_.size() >= limit_) jobs_.pop_front();
        jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
}

bool SendQueue::Pause(std::chrono::milliseconds pause) {
    const std::stop_token stop = thread_.get_stop_token();
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, stop, pause, [] { return false; });
    return !stop.stop_requested();
}

void SendQueue::Run(std::stop_token stop) {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, stop, [this] { return !jobs_.empty(); });
            if (stop.stop_requested()) return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

}  // namespace trelvix
