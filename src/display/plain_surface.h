#pragma once

#include <cstdint>
#include <memory>

#include "platform/video_system.h"

// Size of a surface in pixels.
struct SurfaceSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// An off-screen surface in the display's pixel format. Null when width or
// height is 0 or there is no device; throws GameError when the device cannot
// make it.
std::unique_ptr<platform::VideoSurface> createPlainSurface(std::int32_t width, std::int32_t height,
                                                           platform::VideoDevice* device);

// (0, 0) for a missing surface.
SurfaceSize surfaceSize(const platform::VideoSurface* surface);
