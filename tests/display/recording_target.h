#pragma once

#include <vector>

#include "platform/video_system.h"

// A drawing target that only writes down the transfers it is asked for.
class RecordingTarget : public platform::VideoSurface {
public:
    struct Transfer {
        platform::Rect dest;
        platform::Rect source;
        std::uint32_t flags;
    };

    std::int32_t width() const override { return 640; }
    std::int32_t height() const override { return 480; }
    platform::PixelFormat pixelFormat() const override { return platform::kFormat565; }
    bool lock(platform::LockedPixels&) override { return false; }
    bool lockReadOnly(platform::LockedPixels&) override { return false; }
    bool unlock() override { return false; }
    bool setColorKey(std::uint32_t) override { return false; }
    bool blt(const platform::Rect* dest, platform::VideoSurface&, const platform::Rect* source,
             std::uint32_t flags) override {
        transfers.push_back({*dest, *source, flags});
        return true;
    }
    bool colorFill(const platform::Rect*, std::uint32_t) override { return false; }
    platform::VideoSurface* attachedBackBuffer() override { return nullptr; }
    bool flip() override { return false; }
    bool setClipper(platform::VideoClipper*) override { return false; }

    std::vector<Transfer> transfers;
};

inline bool operator==(const platform::Rect& a, const platform::Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
