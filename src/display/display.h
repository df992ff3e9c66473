#pragma once

#include <cstdint>

#include "platform/messages.h"

namespace platform {
class VideoSystem;
}

// The video device, the back buffer every frame is composed into, and the
// presentation into the game window.
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
    bool isFullscreen() const { return fullscreen_; }

private:
    platform::VideoSystem* video_;
    platform::WindowHandle window_ = 0;
    bool fullscreen_ = false;
};
