#pragma once

#include <cstdint>

#include "display/surface.h"

// One picture of an animation and its packed timing word: bits 0-11 the time
// it stays on screen in milliseconds, bits 12-21 the hotspot row, bits 22-31
// the hotspot column. The hotspot is where a death animation lines up.
struct AnimationFrame {
    static constexpr std::uint32_t kDurationMask = 0xFFF;
    static constexpr std::uint32_t kHotspotMask = 0x3FF;
    static constexpr int kHotspotYShift = 12;
    static constexpr int kHotspotXShift = 22;

    Surface surface;
    std::uint32_t timing = 0;

    std::int32_t duration() const { return static_cast<std::int32_t>(timing & kDurationMask); }
    std::int32_t hotspotX() const { return static_cast<std::int32_t>((timing >> kHotspotXShift) & kHotspotMask); }
    std::int32_t hotspotY() const { return static_cast<std::int32_t>((timing >> kHotspotYShift) & kHotspotMask); }

    // Values wider than the 10-bit fields keep their low bits.
    void setHotspotX(std::int32_t x) {
        timing = (timing & ~(kHotspotMask << kHotspotXShift)) |
                 ((static_cast<std::uint32_t>(x) & kHotspotMask) << kHotspotXShift);
    }
    void setHotspotY(std::int32_t y) {
        timing = (timing & ~(kHotspotMask << kHotspotYShift)) |
                 ((static_cast<std::uint32_t>(y) & kHotspotMask) << kHotspotYShift);
    }

    // A word without any hotspot bits means the artist left it out: the
    // picture's centre is the natural point to line up with.
    void applyDefaultHotspot() {
        if (timing > kDurationMask) return;
        setHotspotX(surface.width() / 2);
        setHotspotY(surface.height() / 2);
    }
};
