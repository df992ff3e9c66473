#include "platform/sdl/sdl_video_offscreen_device.h"

#include <utility>

#include "platform/sdl/sdl_video_clipper.h"
#include "platform/sdl/sdl_video_primary.h"
#include "platform/sdl/sdl_video_surface.h"

namespace platform {

std::unique_ptr<VideoDevice> createOffscreenDevice(const PixelFormat& format) {
    return std::make_unique<SdlVideoOffscreenDevice>(format);
}

bool SdlVideoOffscreenDevice::setCooperativeLevel(WindowHandle window, bool exclusiveFullscreen) {
    if (window == 0) return false;
    exclusive_ = exclusiveFullscreen;
    return true;
}

bool SdlVideoOffscreenDevice::setDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel) {
    if (!exclusive_ || width < 1 || height < 1 || bitsPerPixel != static_cast<std::int32_t>(format_.bitCount)) {
        return false;
    }
    screenWidth_ = width;
    screenHeight_ = height;
    modeChanged_ = true;
    return true;
}

std::unique_ptr<VideoSurface> SdlVideoOffscreenDevice::createPrimarySurface(std::int32_t backBufferCount) {
    if (backBufferCount < 0 || backBufferCount > 1 || (backBufferCount == 1 && !exclusive_)) return nullptr;
    auto screen = SdlVideoSurface::create(screenWidth_, screenHeight_, format_);
    if (!screen) return nullptr;
    std::unique_ptr<SdlVideoSurface> back;
    if (backBufferCount == 1) {
        back = SdlVideoSurface::create(screenWidth_, screenHeight_, format_);
        if (!back) return nullptr;
    }
    return std::make_unique<SdlMemoryPrimary>(std::move(screen), std::move(back));
}

std::unique_ptr<VideoSurface> SdlVideoOffscreenDevice::createSurface(std::int32_t width, std::int32_t height) {
    return SdlVideoSurface::create(width, height, format_);
}

std::unique_ptr<VideoClipper> SdlVideoOffscreenDevice::createClipper() {
    return std::make_unique<SdlVideoClipper>();
}

}  // namespace platform
