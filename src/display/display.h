#pragma once

#include <cstdint>
#include <memory>

#include "platform/messages.h"
#include "platform/video_system.h"

// The video device, the back buffer every frame is composed into, and the
// presentation into the game window. Windowed, the back buffer follows the
// client area and presenting copies it into the window; full screen, the back
// buffer belongs to a flip chain and presenting flips.
class Display {
public:
    explicit Display(platform::VideoSystem* video);
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool create(platform::WindowHandle window, bool fullscreen, std::int32_t width, std::int32_t height);
    void release(bool restoreDisplayMode);
    void fitBackBuffer(const platform::Rect& clientRect);
    void present();
    void copyToAllBuffers();

    platform::VideoDevice* directDraw() const { return directDraw_.get(); }
    platform::VideoSurface* backBuffer() const { return backBuffer_; }
    bool isFullscreen() const { return fullscreen_; }

private:
    void presentWindowed();

    platform::VideoSystem* video_;
    std::unique_ptr<platform::VideoDevice> directDraw_;
    std::unique_ptr<platform::VideoSurface> primary_;
    // Windowed, the display owns its back buffer; full screen it is the flip
    // chain's and belongs to the primary surface.
    std::unique_ptr<platform::VideoSurface> ownBackBuffer_;
    platform::VideoSurface* backBuffer_ = nullptr;
    std::unique_ptr<platform::VideoClipper> clipper_;
    platform::WindowHandle window_ = 0;
    bool fullscreen_ = false;
    bool library_ = false;
};
