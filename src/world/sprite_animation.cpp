#include "world/sprite_animation.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include "archive/archive_stream.h"
#include "archive/image_records.h"
#include "archive/tagged_records.h"
#include "platform/game_error.h"

namespace {

constexpr std::uint32_t kWordSize = 4;

// The "TI" record after the frame count. A record too short for n words is
// damaged: reading on would take the next records' bytes as timings, so it
// fails instead. The words are collected as they are read, so a count the
// data cannot back never reserves memory.
std::vector<std::uint32_t> readTimingWords(ArchiveStream& stream, std::uint32_t n) {
    char tag[2];
    for (;;) {
        if (!stream.beginRecord(tag)) throw GameError();
        if (tagEquals(tag, "TI")) break;
        if (!stream.endRecord()) throw GameError();
    }
    const auto length = static_cast<std::uint32_t>(std::max(0, stream.recordLength()));
    const auto room = static_cast<std::uint32_t>(std::max(0, stream.size()));
    if (n > length / kWordSize || n > room / kWordSize) throw GameError();
    std::vector<std::uint32_t> words;
    for (std::uint32_t i = 0; i < n; ++i) {
        std::uint32_t word = 0;
        if (!stream.readU32(&word)) throw GameError();
        words.push_back(word);
    }
    if (!stream.endRecord()) throw GameError();
    return words;
}

}  // namespace

bool SpriteAnimation::load(ArchiveStream* stream, platform::VideoDevice* device) {
    if (!stream || !device) return false;
    clear();
    try {
        std::uint32_t n = 0;
        if (!readCount(stream, &n) || n < 1) throw GameError();
        const std::vector<std::uint32_t> timings = readTimingWords(*stream, n);

        std::int64_t total = 0;
        for (const std::uint32_t timing : timings) {
            auto frame = std::make_unique<AnimationFrame>();
            frame->timing = timing;
            if (!readImage(stream, &frame->surface, device)) break;
            frame->applyDefaultHotspot();
            total += frame->duration();
            frames_.push_back(std::move(frame));
        }
        totalDuration_ = static_cast<std::int32_t>(std::min<std::int64_t>(total, INT32_MAX));
        frameCount_ = static_cast<std::int32_t>(frames_.size());
        return true;
    } catch (const GameError&) {
        return false;
    }
}

void SpriteAnimation::clear() {
    frames_.clear();
    mirroredFrames_.clear();
    totalDuration_ = 0;
    frameCount_ = 0;
    mirroredBuilt_ = false;
}

std::int32_t SpriteAnimation::frameAt(std::int32_t t) const {
    if (totalDuration_ <= 0) return 0;
    const std::int32_t r = t % totalDuration_;
    std::int64_t shownUntil = 0;
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        shownUntil += frames_[i]->duration();
        if (r <= shownUntil) return static_cast<std::int32_t>(i);
    }
    return frameCount_ - 1;
}

const AnimationFrame* SpriteAnimation::pick(const Frames& list, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
    return list[static_cast<std::size_t>(index)].get();
}

bool SpriteAnimation::draw(platform::VideoSurface* target, const platform::Rect* rect, std::int32_t x,
                           std::int32_t y, std::int32_t index, bool mirrored) const {
    if (!target || !rect) return false;
    const AnimationFrame* plain = pick(frames_, index);
    if (!plain) return true;
    const AnimationFrame* shown = mirrored ? pick(mirroredFrames_, index) : plain;
    if (!shown) return false;
    const std::int32_t left = x - plain->surface.width() / 2;
    const std::int32_t top = y - plain->surface.height() / 2;
    // A tile the target refuses only leaves a gap in one frame's picture.
    shown->surface.draw(target, rect, static_cast<float>(left), static_cast<float>(top), true, 100.0f);
    return true;
}

bool SpriteAnimation::opaqueAt(std::int32_t x, std::int32_t y, std::int32_t index, std::int32_t px,
                               std::int32_t py, bool mirrored) const {
    const AnimationFrame* f = pick(mirrored ? mirroredFrames_ : frames_, index);
    if (!f) return false;
    return f->surface.isOpaqueAt(f->surface.width() / 2 - x + px, f->surface.height() / 2 - y + py);
}

void SpriteAnimation::hotspot(std::int32_t x, std::int32_t y, std::int32_t index, bool mirrored,
                              std::int32_t& outX, std::int32_t& outY) const {
    const AnimationFrame* f = pick(mirrored ? mirroredFrames_ : frames_, index);
    if (!f) return;
    outX = f->hotspotX() - f->surface.width() / 2 + x;
    outY = f->hotspotY() - f->surface.height() / 2 + y;
}

void SpriteAnimation::buildMirrored(platform::VideoDevice* device) {
    mirroredFrames_.clear();
    for (const auto& frame : frames_) {
        if (!mirrorFrame(*frame, device)) return;
    }
}

bool SpriteAnimation::mirrorFrame(AnimationFrame& source, platform::VideoDevice* device) {
    const std::int32_t w = source.surface.width();
    const std::int32_t h = source.surface.height();
    auto copy = std::make_unique<AnimationFrame>();
    copy->timing = source.timing;
    if (!copy->surface.create(w, h, device) || !copy->surface.lock()) return false;
    if (!source.surface.lock()) {
        copy->surface.unlock();
        return false;
    }
    // Rows are reversed here rather than by the surface, whose mirrored read
    // turns each tile round on its own and so garbles pictures wider than a tile.
    const std::size_t rowBytes = static_cast<std::size_t>(w) * 3;
    std::vector<std::uint8_t> row(rowBytes);
    std::vector<std::uint8_t> flipped(rowBytes);
    bool copied = true;
    for (std::int32_t y = 0; y < h && copied; ++y) {
        copied = source.surface.readRow(row.data(), y, false);
        for (std::size_t k = 0; copied && k < rowBytes; k += 3) {
            std::copy_n(row.data() + k, 3, flipped.data() + rowBytes - 3 - k);
        }
        copied = copied && copy->surface.writeRow(flipped.data(), y, false);
    }
    const bool sourceUnlocked = source.surface.unlock();
    const bool copyUnlocked = copy->surface.unlock();
    if (!copied || !sourceUnlocked || !copyUnlocked) return false;
    copy->setHotspotX(w - source.hotspotX());
    mirroredFrames_.push_back(std::move(copy));
    mirroredBuilt_ = true;
    return true;
}
