#include "platform/sdl/sdl_video_device.h"

#include <utility>

#include "platform/sdl/sdl_video_clipper.h"
#include "platform/sdl/sdl_video_primary.h"
#include "platform/sdl/sdl_video_surface.h"

namespace platform {
namespace {

// The picture size of a shared window: the window system keeps the client
// area at the game's picture size.
constexpr std::int32_t kDefaultPictureWidth = 640;
constexpr std::int32_t kDefaultPictureHeight = 480;

}  // namespace

SdlVideoDevice::SdlVideoDevice(SdlWindowLookup lookup, const PixelFormat& format)
    : lookup_(std::move(lookup)), format_(format) {}

bool SdlVideoDevice::setCooperativeLevel(WindowHandle window, bool exclusiveFullscreen) {
    SDL_Window* sdlWindow = lookup_ ? lookup_(window) : nullptr;
    if (!sdlWindow) return false;
    if (!presenter_ || presenter_->window() != sdlWindow) {
        presenter_.reset();
        presenter_ = SdlVideoPresenter::create(sdlWindow);
        if (!presenter_) return false;
    }
    exclusive_ = exclusiveFullscreen;
    return true;
}

bool SdlVideoDevice::setDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel) {
    if (!exclusive_ || width < 1 || height < 1 || bitsPerPixel != static_cast<std::int32_t>(format_.bitCount)) {
        return false;
    }
    modeWidth_ = width;
    modeHeight_ = height;
    return true;
}

std::unique_ptr<VideoSurface> SdlVideoDevice::createPrimarySurface(std::int32_t backBufferCount) {
    if (!presenter_ || backBufferCount < 0 || backBufferCount > 1) return nullptr;
    if (backBufferCount == 0) {
        return std::make_unique<SdlWindowPrimary>(presenter_, format_, kDefaultPictureWidth,
                                                  kDefaultPictureHeight, nullptr);
    }
    if (!exclusive_ || modeWidth_ < 1) return nullptr;  // a flip chain needs exclusive mode
    auto back = SdlVideoSurface::create(modeWidth_, modeHeight_, format_);
    if (!back) return nullptr;
    return std::make_unique<SdlWindowPrimary>(presenter_, format_, modeWidth_, modeHeight_, std::move(back));
}

std::unique_ptr<VideoSurface> SdlVideoDevice::createSurface(std::int32_t width, std::int32_t height) {
    return SdlVideoSurface::create(width, height, format_);
}

std::unique_ptr<VideoClipper> SdlVideoDevice::createClipper() { return std::make_unique<SdlVideoClipper>(); }

}  // namespace platform
