#pragma once

#include <cstdint>
#include <list>

#include "platform/video_system.h"
#include "sound/sound_channel.h"
#include "world/figure.h"
#include "world/sprite_animation.h"

class ArchiveStream;

// How figures of one kind look, sound, move, score and die.
struct FigureType {
    FigureType();
    FigureType(const FigureType&) = delete;
    FigureType& operator=(const FigureType&) = delete;

    // Reads one type block: an optional "SD" sound, an optional "EX" death
    // record (followed by the type's own animation when its flag is set), and
    // the "F3" parameters.
    bool load(ArchiveStream* stream, platform::VideoDevice* device);

    std::int32_t id = 0;
    std::uint32_t lastSpawnTick = 0;
    // Figures leave from the middle of the list while it is walked.
    std::list<Figure> figures;
    std::int32_t baseY = 0;
    std::int32_t ySpread = 0;
    std::int32_t layer = 0;
    std::int32_t baseSpeed = 0;
    std::int32_t speedSpread = 0;
    std::int32_t points = 0;
    std::int32_t maxCount = 0;
    std::int32_t hitPoints = 0;
    std::int32_t spawnChance = 0;
    std::int32_t motionMode = 0;
    bool mirrored = false;
    SoundChannel sound;
    SpriteAnimation ownAnimation;
    bool hasOwnAnimation = false;
    std::int32_t deathAnimationIndex = -1;
    // Another type's ownAnimation (or this one's); never owned.
    const SpriteAnimation* deathAnimation = nullptr;
};
