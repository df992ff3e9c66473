#pragma once

#include <cstdint>
#include <memory>

#include "platform/sdl/sdl_video_presenter.h"
#include "platform/sdl/sdl_video_surface.h"
#include "platform/video_system.h"

namespace platform {

// The visible surface of a window. Its coordinates are the window's client
// area in picture pixels; copying a picture into it shows that picture, and a
// flip shows the attached back buffer. It cannot be locked or filled.
class SdlWindowPrimary : public VideoSurface {
public:
    SdlWindowPrimary(std::shared_ptr<SdlVideoPresenter> presenter, const PixelFormat& format,
                     std::int32_t width, std::int32_t height, std::unique_ptr<SdlVideoSurface> backBuffer);

    std::int32_t width() const override { return width_; }
    std::int32_t height() const override { return height_; }
    PixelFormat pixelFormat() const override { return format_; }
    bool lock(LockedPixels&) override { return false; }
    bool lockReadOnly(LockedPixels&) override { return false; }
    bool unlock() override { return false; }
    bool setColorKey(std::uint32_t) override { return false; }
    bool blt(const Rect* destRect, VideoSurface& source, const Rect* sourceRect,
             std::uint32_t flags) override;
    bool colorFill(const Rect*, std::uint32_t) override { return false; }
    VideoSurface* attachedBackBuffer() override { return backBuffer_.get(); }
    bool flip() override;
    bool setClipper(VideoClipper* clipper) override;

private:
    std::shared_ptr<SdlVideoPresenter> presenter_;
    PixelFormat format_;
    std::int32_t width_;
    std::int32_t height_;
    std::unique_ptr<SdlVideoSurface> backBuffer_;
    VideoClipper* clipper_ = nullptr;
};

// The visible surface of a device without a screen: a picture in memory that
// holds what was last shown, so tests can read the "screen" back.
class SdlMemoryPrimary : public VideoSurface {
public:
    SdlMemoryPrimary(std::unique_ptr<SdlVideoSurface> screen, std::unique_ptr<SdlVideoSurface> backBuffer);

    std::int32_t width() const override { return screen_->width(); }
    std::int32_t height() const override { return screen_->height(); }
    PixelFormat pixelFormat() const override { return screen_->pixelFormat(); }
    bool lock(LockedPixels& out) override { return screen_->lock(out); }
    bool lockReadOnly(LockedPixels& out) override { return screen_->lockReadOnly(out); }
    bool unlock() override { return screen_->unlock(); }
    bool setColorKey(std::uint32_t key) override { return screen_->setColorKey(key); }
    bool blt(const Rect* destRect, VideoSurface& source, const Rect* sourceRect,
             std::uint32_t flags) override;
    bool colorFill(const Rect* destRect, std::uint32_t color) override {
        return screen_->colorFill(destRect, color);
    }
    VideoSurface* attachedBackBuffer() override { return backBuffer_.get(); }
    bool flip() override;
    bool setClipper(VideoClipper*) override { return true; }

    int flipCount() const { return flips_; }

private:
    std::unique_ptr<SdlVideoSurface> screen_;
    std::unique_ptr<SdlVideoSurface> backBuffer_;
    int flips_ = 0;
};

}  // namespace platform
