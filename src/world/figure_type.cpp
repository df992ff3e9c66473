#include "world/figure_type.h"

#include "archive/archive_stream.h"
#include "platform/clock.h"
#include "platform/game_error.h"
#include "world/record_fields.h"

namespace {

constexpr std::int32_t kDeathRecordSize = 5;
constexpr std::int32_t kParameterRecordSize = 45;

}  // namespace

FigureType::FigureType() : lastSpawnTick(platform::tickCount()) {}

bool FigureType::load(ArchiveStream* stream, platform::VideoDevice* device) {
    if (!stream) return false;
    using namespace recordfields;
    try {
        char tag[2];
        begin(*stream, tag);
        if (tagEquals(tag, "SD")) {
            // Effects are short: decoded whole, never streamed.
            if (stream->recordLength() > 0 && !sound.load(stream, false)) throw GameError();
            end(*stream);
            begin(*stream, tag);
        }
        if (tagEquals(tag, "EX")) {
            requirePayload(*stream, kDeathRecordSize);
            deathAnimationIndex = readI32(*stream);
            hasOwnAnimation = readByte(*stream) != 0;
            end(*stream);
            if (hasOwnAnimation && !ownAnimation.load(stream, device)) throw GameError();
            begin(*stream, tag);
        }
        if (!tagEquals(tag, "F3")) throw GameError();
        requirePayload(*stream, kParameterRecordSize);
        id = readI32(*stream);
        baseY = readI32(*stream);
        ySpread = readI32(*stream);
        layer = readI32(*stream);
        baseSpeed = readI32(*stream);
        speedSpread = readI32(*stream);
        points = readI32(*stream);
        maxCount = readI32(*stream);
        hitPoints = readI32(*stream);
        spawnChance = readI32(*stream);
        motionMode = readI32(*stream);
        mirrored = readByte(*stream) != 0;
        end(*stream);
        return true;
    } catch (const GameError&) {
        return false;
    }
}
