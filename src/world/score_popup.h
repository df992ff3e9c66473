#pragma once

#include <cstdint>

// The points of a fallen figure, rising from where it was shot.
struct ScorePopup {
    std::uint32_t stepTick = 0;
    std::int32_t stepInterval = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t points = 0;
    std::int32_t layer = 0;
};
