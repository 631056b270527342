#pragma once
// A scalar that one thread writes and another reads, with no ordering
// beyond the value itself. On x86 a relaxed load or store of a 32-bit word
// is a plain move, so the audio path pays nothing for it.
#include <atomic>

namespace vlt {

template <typename T>
class Relaxed {
public:
    constexpr Relaxed(T v = T{}) noexcept : value_(v) {}
    Relaxed(const Relaxed& o) noexcept : value_(o.load()) {}
    Relaxed& operator=(const Relaxed& o) noexcept
    {
        store(o.load());
        return *this;
    }
    Relaxed& operator=(T v) noexcept
    {
        store(v);
        return *this;
    }
    operator T() const noexcept { return load(); }
    T load() const noexcept { return value_.load(std::memory_order_relaxed); }
    void store(T v) noexcept { value_.store(v, std::memory_order_relaxed); }

private:
    std::atomic<T> value_;
    static_assert(std::atomic<T>::is_always_lock_free, "must not need a lock");
};

}  // namespace vlt
