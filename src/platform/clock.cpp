#include "platform/clock.h"

#include <chrono>
#include <thread>
#include <utility>

namespace platform {
namespace {

std::function<std::uint32_t()>& tickSource() {
    static std::function<std::uint32_t()> source;
    return source;
}

std::function<void(std::uint32_t)>& sleepHook() {
    static std::function<void(std::uint32_t)> hook;
    return hook;
}

std::uint32_t steadyTicks() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

}  // namespace

std::uint32_t tickCount() {
    const auto& source = tickSource();
    return source ? source() : steadyTicks();
}

void sleepMs(std::uint32_t milliseconds) {
    const auto& hook = sleepHook();
    if (hook) {
        hook(milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void setTickSource(std::function<std::uint32_t()> source) { tickSource() = std::move(source); }
void setSleepHook(std::function<void(std::uint32_t)> hook) { sleepHook() = std::move(hook); }

}  // namespace platform
