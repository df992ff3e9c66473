#pragma once

#include <cstdint>

// What a shot at the figures needs of the gun and the score.
class ScoreKeeper {
public:
    virtual bool hasShots() const = 0;
    virtual void playEmpty() = 0;
    virtual void addScore(std::int32_t points) = 0;

protected:
    ~ScoreKeeper() = default;
};
