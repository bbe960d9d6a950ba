#include "notify/SendQueue.h"

namespace trelvix {

SendQueue::SendQueue(size_t limit) : limit_(limit), thread_([this] { Run(); }) {}

SendQueue::~SendQueue() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        stopping_ = true;
        jobs_.clear();
    }
    wake_.notify_all();
    thread_.join();
}

void SendQueue::Push(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        if (stop_) return;
        if (jobs_.size() >= limit_) jobs_.pop_front();
        jobs_.push_back(std::move(job));
    }
    wake_.notify_all();
}

bool SendQueue::Pause(std::chrono::milliseconds pause) {
    std::unique_lock lock(mutex_);
    return !wake_.wait_for(lock, pause, [this] { return stop_; });
}

void SendQueue::Run() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
            if (stop_) return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

}  // namespace trelvix
