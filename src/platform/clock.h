#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Milliseconds since some start, 32 bits wide: differences wrap modulo 2^32,
// so always subtract ticks as uint32_t.
std::uint32_t tickCount();
void sleepMs(std::uint32_t milliseconds);

// Tests and scripted runs drive time by hand. An empty function restores the
// system clock. The sleep hook lets a manual clock advance on sleepMs.
void setTickSource(std::function<std::uint32_t()> source);
void setSleepHook(std::function<void(std::uint32_t)> hook);

}  // namespace platform
