#pragma once

#include <mutex>
#include <utility>

namespace trelvix {

// A value that the UI thread replaces while camera threads read it: every read returns a whole
// copy, never a half-written one.
template <typename T>
class SyncValue {
public:
    SyncValue() = default;
    SyncValue(T v) : value_(std::move(v)) {}  // NOLINT: plain assignment from a value reads best
    SyncValue(const SyncValue& o) : value_(o.get()) {}
    SyncValue& operator=(const SyncValue& o) {
        if (this != &o) set(o.get());
        return *this;
    }
    SyncValue& operator=(T v) {
        set(std::move(v));
        return *this;
    }

    T get() const {
        std::lock_guard lock(mutex_);
        return value_;
    }
    void set(T v) {
        std::lock_guard lock(mutex_);
        value_ = std::move(v);
    }
    operator T() const { return get(); }  // NOLINT

private:
    mutable std::mutex mutex_;
    T value_{};
};

}  // namespace trelvix
