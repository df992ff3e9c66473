#pragma once

#include <cstdint>
#include <memory>

#include "platform/video_system.h"

namespace platform {

// A device whose screen is a picture in memory (see createOffscreenDevice).
// It accepts any window handle but 0; full screen flips exchange the memory
// screen and its back buffer.
class SdlVideoOffscreenDevice : public VideoDevice {
public:
    explicit SdlVideoOffscreenDevice(const PixelFormat& format) : format_(format) {}

    PixelFormat displayFormat() const override { return format_; }
    bool setCooperativeLevel(WindowHandle window, bool exclusiveFullscreen) override;
    bool setDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel) override;
    void restoreDisplayMode() override { modeChanged_ = false; }
    std::unique_ptr<VideoSurface> createPrimarySurface(std::int32_t backBufferCount) override;
    std::unique_ptr<VideoSurface> createSurface(std::int32_t width, std::int32_t height) override;
    std::unique_ptr<VideoClipper> createClipper() override;
    void clientToScreen(WindowHandle, std::int32_t&, std::int32_t&) override {}

    bool modeChanged() const { return modeChanged_; }

private:
    PixelFormat format_;
    bool exclusive_ = false;
    bool modeChanged_ = false;
    std::int32_t screenWidth_ = 640;
    std::int32_t screenHeight_ = 480;
};

}  // namespace platform
