#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/sdl/sdl_video_presenter.h"
#include "platform/video_system.h"

namespace platform {

using SdlWindowLookup = std::function<SDL_Window*(WindowHandle)>;

// The device of a real window. The desktop's video mode is never changed:
// "exclusive full screen" is the window system's desktop-sized borderless
// window, and the display mode only fixes the size of the picture that the
// presenter scales into it.
class SdlVideoDevice : public VideoDevice {
public:
    SdlVideoDevice(SdlWindowLookup lookup, const PixelFormat& format);

    PixelFormat displayFormat() const override { return format_; }
    bool setCooperativeLevel(WindowHandle window, bool exclusiveFullscreen) override;
    bool setDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel) override;
    void restoreDisplayMode() override {}
    std::unique_ptr<VideoSurface> createPrimarySurface(std::int32_t backBufferCount) override;
    std::unique_ptr<VideoSurface> createSurface(std::int32_t width, std::int32_t height) override;
    std::unique_ptr<VideoClipper> createClipper() override;
    void clientToScreen(WindowHandle, std::int32_t&, std::int32_t&) override {}

private:
    SdlWindowLookup lookup_;
    PixelFormat format_;
    std::shared_ptr<SdlVideoPresenter> presenter_;
    bool exclusive_ = false;
    std::int32_t modeWidth_ = 0;
    std::int32_t modeHeight_ = 0;
};

}  // namespace platform
