#pragma once

#include <cstdint>

#include "world/score_keeper.h"

// Figure types, their figures, hit effects and score popups. Without loaded
// types a round has no figures, so nothing can be hit.
class FigureWorld {
public:
    void clear() { typeCount_ = 0; }
    void startRound() {}
    bool hitLayer(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                  ScoreKeeper&) {
        return false;
    }
    std::int32_t typeCount() const { return typeCount_; }

private:
    std::int32_t typeCount_ = 0;
};
