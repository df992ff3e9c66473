#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/messages.h"
#include "platform/video_system.h"
#include "world/animation_frame.h"

class ArchiveStream;

// A timed loop of frames, drawn and hit-tested centred on a point, with an
// optional left-right mirrored copy made once after loading.
class SpriteAnimation {
public:
    SpriteAnimation() = default;
    SpriteAnimation(const SpriteAnimation&) = delete;
    SpriteAnimation& operator=(const SpriteAnimation&) = delete;

    // Reads an animation block: "FC" frame count, "TI" timing words, then one
    // image record per frame. Frames whose pictures are cut short are left
    // out; that alone is no failure.
    bool load(ArchiveStream* stream, platform::VideoDevice* device);
    void clear();

    std::int32_t totalDuration() const { return totalDuration_; }
    std::int32_t frameCount() const { return frameCount_; }
    // The frame shown t milliseconds into the loop; a boundary belongs to the
    // earlier frame.
    std::int32_t frameAt(std::int32_t t) const;

    bool draw(platform::VideoSurface* target, const platform::Rect* rect, std::int32_t x, std::int32_t y,
              std::int32_t index, bool mirrored) const;
    // Whether frame index, drawn centred on (x, y), is opaque at (px, py).
    bool opaqueAt(std::int32_t x, std::int32_t y, std::int32_t index, std::int32_t px, std::int32_t py,
                  bool mirrored) const;
    // Leaves the outputs alone when there is no such frame.
    void hotspot(std::int32_t x, std::int32_t y, std::int32_t index, bool mirrored, std::int32_t& outX,
                 std::int32_t& outY) const;

    void buildMirrored(platform::VideoDevice* device);
    bool isMirroredBuilt() const { return mirroredBuilt_; }

    const AnimationFrame* frame(std::int32_t index) const { return pick(frames_, index); }
    const AnimationFrame* mirroredFrame(std::int32_t index) const { return pick(mirroredFrames_, index); }

private:
    using Frames = std::vector<std::unique_ptr<AnimationFrame>>;
    static const AnimationFrame* pick(const Frames& list, std::int32_t index);
    bool mirrorFrame(AnimationFrame& source, platform::VideoDevice* device);

    Frames frames_;
    Frames mirroredFrames_;
    std::int32_t totalDuration_ = 0;
    std::int32_t frameCount_ = 0;
    bool mirroredBuilt_ = false;
};
