#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/video_system.h"
#include "world/score_keeper.h"

class ArchiveStream;
class Font;

// Figure types, their figures, hit effects and score popups. Until figure
// files can be read the world cannot load, and a round has no figures.
class FigureWorld {
public:
    bool load(ArchiveStream*, platform::VideoDevice*) { return false; }
    void clear() { typeCount_ = 0; }
    void startRound() {}
    void updateLayer(std::int32_t, std::uint32_t, float, std::int32_t, platform::VideoSurface*, platform::Rect*,
                     std::int32_t, std::int32_t, const Font&) {}
    bool hitLayer(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                  ScoreKeeper&) {
        return false;
    }
    std::int32_t typeCount() const { return typeCount_; }

private:
    std::int32_t typeCount_ = 0;
};
