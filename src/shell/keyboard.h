#pragma once

#include <cstdint>
#include <list>

#include "shell/key_entry.h"

// Held and recently released keys. Frames take one entry each and ask how long
// it was held, so scrolling speed depends neither on key repeat nor frame rate.
class Keyboard {
public:
    void keyDown(std::int32_t key);
    void keyUp(std::int32_t key);
    // The entry accounted for longest ago (new ones first); null when none.
    KeyEntry* nextKey();
    void removeKey(std::int32_t key);
    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }

private:
    std::list<KeyEntry> entries_;
};
