#pragma once

#include "platform/video_system.h"

namespace platform {

// The window's visible surface only ever addresses its own client area, so
// the clipper just remembers the window it belongs to.
class SdlVideoClipper : public VideoClipper {
public:
    bool setWindow(WindowHandle window) override {
        window_ = window;
        return window != 0;
    }
    WindowHandle window() const { return window_; }

private:
    WindowHandle window_ = 0;
};

}  // namespace platform
