#pragma once

#include <cstdint>

// One live target. The last-drawn fields are what a shot is tested against,
// so it hits the picture the player saw.
struct Figure {
    std::int32_t homeY = 240;
    std::int32_t speed = 100;
    std::uint32_t animationStart = 0;
    std::uint32_t motionStart = 0;
    std::int32_t startX = 0;
    std::int32_t hitPoints = 1;
    std::int32_t screenX = 0;
    std::int32_t worldX = 0;
    std::int32_t drawnY = 0;
    std::int32_t frameIndex = 0;
};
