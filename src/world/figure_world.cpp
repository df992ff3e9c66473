#include "world/figure_world.h"

#include <algorithm>

#include "archive/archive_stream.h"
#include "platform/game_error.h"
#include "world/record_fields.h"

namespace {

// The least a block can occupy in the file: a type block is at least its
// "F3" record; an animation block at least "FC", a one-word "TI" and "F6".
constexpr std::uint32_t kRecordHeader = 6;
constexpr std::uint32_t kSmallestTypeBlock = kRecordHeader + 45;
constexpr std::uint32_t kSmallestAnimationBlock = 3 * (kRecordHeader + 4);

// A count that the rest of the entry could not hold is damaged data; it is
// refused before anything is made for it.
void requireRoomFor(const ArchiveStream& stream, std::uint32_t count, std::uint32_t smallestBlock) {
    const std::int32_t left = std::max(0, stream.size() - stream.tell());
    if (count > static_cast<std::uint32_t>(left) / smallestBlock) throw GameError();
}

}  // namespace

bool FigureWorld::load(ArchiveStream* stream, platform::VideoDevice* device) {
    if (!stream || !device) return false;
    clear();
    try {
        loadTypes(*stream, device);
        resolveDeathAnimations();
        loadAnimations(*stream, device);
        buildMirroredLooks(device);
        return true;
    } catch (const GameError&) {
        return false;
    }
}

void FigureWorld::loadTypes(ArchiveStream& stream, platform::VideoDevice* device) {
    const std::uint32_t n = recordfields::readWordRecord(stream, "F1");
    declaredTypeCount_ = static_cast<std::int32_t>(n);
    requireRoomFor(stream, n, kSmallestTypeBlock);
    for (std::uint32_t i = 0; i < n; ++i) types_.push_back(std::make_unique<FigureType>());
    for (const auto& type : types_) {
        if (!type->load(&stream, device)) throw GameError();
    }
}

void FigureWorld::resolveDeathAnimations() {
    for (const auto& type : types_) {
        if (type->deathAnimationIndex == -1) continue;
        const FigureType* owner = typeAt(type->deathAnimationIndex);
        type->deathAnimation = owner ? &owner->ownAnimation : nullptr;
    }
}

void FigureWorld::loadAnimations(ArchiveStream& stream, platform::VideoDevice* device) {
    const std::uint32_t m = recordfields::readWordRecord(stream, "F4");
    requireRoomFor(stream, m, kSmallestAnimationBlock);
    for (std::uint32_t i = 0; i < m; ++i) animations_.push_back(std::make_unique<FigureAnimation>());
    for (const auto& look : animations_) {
        if (!look->animation.load(&stream, device)) throw GameError();
        look->id = static_cast<std::int32_t>(recordfields::readWordRecord(stream, "F6"));
    }
}

void FigureWorld::buildMirroredLooks(platform::VideoDevice* device) {
    for (const auto& type : types_) {
        if (!type->mirrored) continue;
        FigureAnimation* look = findAnimation(type->id);
        if (look && !look->animation.isMirroredBuilt()) look->animation.buildMirrored(device);
    }
}

void FigureWorld::clear() {
    // Effects point into the types' animations, so they go first.
    effects_.clear();
    animations_.clear();
    types_.clear();
    declaredTypeCount_ = 0;
}

FigureAnimation* FigureWorld::findAnimation(std::int32_t id) {
    const auto found = std::find_if(animations_.begin(), animations_.end(),
                                    [id](const std::unique_ptr<FigureAnimation>& a) { return a->id == id; });
    return found == animations_.end() ? nullptr : found->get();
}

FigureType* FigureWorld::typeAt(std::int32_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= types_.size()) return nullptr;
    return types_[static_cast<std::size_t>(position)].get();
}
