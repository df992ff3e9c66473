#pragma once

#include <cstdint>

class SpriteAnimation;

// A death animation playing where a figure fell. The animation belongs to a
// figure type, so effects must go whenever the types go.
struct HitEffect {
    std::uint32_t startTick = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    const SpriteAnimation* animation = nullptr;
    std::int32_t layer = 0;
};
