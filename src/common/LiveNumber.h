// A number the settings window replaces while camera threads read it, without a lock. It has
// no plain read or write: Live() reads it whole and StoreLive() writes it whole, so every
// shared use says so.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace trelvix {

namespace live_detail {
// How a value is kept: as itself when the machine has an atomic of its size, else in 32 bits
// (three colour bytes).
template <typename T>
using Storage =
    std::conditional_t<sizeof(T) == 1 || sizeof(T) == 2 || sizeof(T) == 4 || sizeof(T) == 8, T,
                       uint32_t>;
}  // namespace live_detail

template <typename T>
class LiveNumber;
template <typename T>
T Live(const LiveNumber<T>& field);
template <typename T>
void StoreLive(LiveNumber<T>& field, std::type_identity_t<T> value);

template <typename T>
class LiveNumber {
    static_assert(std::is_trivially_copyable_v<T> && sizeof(T) <= 8);
    using S = live_detail::Storage<T>;

public:
    constexpr LiveNumber() : value_(Pack(T{})) {}
    constexpr explicit LiveNumber(T v) : value_(Pack(v)) {}
    LiveNumber(const LiveNumber& o) : value_(o.value_.load(std::memory_order_relaxed)) {}
    LiveNumber& operator=(const LiveNumber& o) {
        value_.store(o.value_.load(std::memory_order_relaxed), std::memory_order_relaxed);
        return *this;
    }

private:
    friend T Live<T>(const LiveNumber<T>&);
    friend void StoreLive<T>(LiveNumber<T>&, std::type_identity_t<T>);
    T load() const { return Unpack(value_.load(std::memory_order_relaxed)); }
    void store(T v) { value_.store(Pack(v), std::memory_order_relaxed); }

    static constexpr S Pack(T v) {
        if constexpr (std::is_same_v<S, T>) {
            return v;
        } else {
            S s = 0;
            std::memcpy(&s, static_cast<const void*>(&v), sizeof v);
            return s;
        }
    }
    static T Unpack(S s) {
        if constexpr (std::is_same_v<S, T>) {
            return s;
        } else {
            T v;
            std::memcpy(static_cast<void*>(&v), &s, sizeof v);
            return v;
        }
    }

    std::atomic<S> value_;
};

template <typename T>
T Live(const LiveNumber<T>& field) {
    return field.load();
}
template <typename T>
void StoreLive(LiveNumber<T>& field, std::type_identity_t<T> value) {
    field.store(value);
}

}  // namespace trelvix
