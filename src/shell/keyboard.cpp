#include "shell/keyboard.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/messages.h"

std::uint32_t KeyEntry::heldTime(std::uint32_t now) {
    const std::uint32_t start = std::max(pressTick, lastPollTick);
    std::uint32_t result = 0;
    if (down) {
        result = now - start;
    } else if (lastPollTick < releaseTick) {
        result = releaseTick - start;
    } else {
        expired = true;
    }
    lastPollTick = now;
    return result;
}

void Keyboard::keyDown(std::int32_t key) {
    // The two arrows exclude each other: the newer one wins at once.
    if (key == static_cast<std::int32_t>(platform::VK_LEFT)) removeKey(static_cast<std::int32_t>(platform::VK_RIGHT));
    if (key == static_cast<std::int32_t>(platform::VK_RIGHT)) removeKey(static_cast<std::int32_t>(platform::VK_LEFT));
    for (const KeyEntry& e : entries_) {
        if (e.key == key && e.down) return;  // auto-repeat
    }
    KeyEntry entry;
    entry.down = true;
    entry.pressTick = platform::tickCount();
    entry.key = key;
    entries_.push_back(entry);
}

void Keyboard::keyUp(std::int32_t key) {
    for (KeyEntry& e : entries_) {
        if (e.key == key && e.down) {
            e.down = false;
            e.releaseTick = platform::tickCount();
            return;
        }
    }
}

KeyEntry* Keyboard::nextKey() {
    entries_.remove_if([](const KeyEntry& e) { return e.expired; });
    std::uint32_t limit = platform::tickCount() + 10000u;
    KeyEntry* candidate = nullptr;
    for (KeyEntry& e : entries_) {
        if (e.lastPollTick < limit) {
            candidate = &e;
            limit = e.lastPollTick;
        }
    }
    return candidate;
}

void Keyboard::removeKey(std::int32_t key) {
    entries_.remove_if([key](const KeyEntry& e) { return e.key == key; });
}
