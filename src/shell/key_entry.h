#pragma once

#include <cstdint>

// One press of a key, from key-down until its held time is fully accounted for.
struct KeyEntry {
    bool down = false;
    std::uint32_t pressTick = 0;
    std::uint32_t releaseTick = 0;
    std::uint32_t lastPollTick = 0;
    std::int32_t key = -1;
    bool expired = false;

    // Milliseconds held since the previous call. After the release it yields the
    // rest up to the release once, then 0 and marks the entry expired.
    std::uint32_t heldTime(std::uint32_t now);
};
