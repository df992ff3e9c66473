#include "fakes/manual_clock.h"

#include "platform/clock.h"

ManualClock::ManualClock(std::uint32_t start) : now_(start) {
    platform::setTickSource([this] { return now_; });
    platform::setSleepHook([this](std::uint32_t ms) { now_ += ms; });
}

ManualClock::~ManualClock() {
    platform::setTickSource({});
    platform::setSleepHook({});
}
