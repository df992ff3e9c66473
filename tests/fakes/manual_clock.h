#pragma once

#include <cstdint>

// Takes over the platform's tick source for the lifetime of the object. Sleeping
// advances the clock, so loops that sleep between frames move time forward.
class ManualClock {
public:
    explicit ManualClock(std::uint32_t start = 1000);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    std::uint32_t now() const { return now_; }
    void set(std::uint32_t tick) { now_ = tick; }
    void advance(std::uint32_t milliseconds) { now_ += milliseconds; }

private:
    std::uint32_t now_;
};
