#pragma once

#include <cstdint>

#include "world/sprite_animation.h"

// The moving look of every figure whose type carries the same id.
struct FigureAnimation {
    std::int32_t id = 0;
    SpriteAnimation animation;
};
