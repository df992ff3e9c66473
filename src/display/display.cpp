#include "display/display.h"

// Placeholder until the video device lands: nothing is created, so create
// reports failure only when there is no video system at all.
Display::Display(platform::VideoSystem* video) : video_(video) {}

Display::~Display() { release(false); }

bool Display::create(platform::WindowHandle window, bool fullscreen, std::int32_t, std::int32_t) {
    window_ = window;
    fullscreen_ = fullscreen;
    return window != 0;
}

void Display::release(bool) {}
void Display::fitBackBuffer(const platform::Rect&) {}
void Display::present() {}
void Display::copyToAllBuffers() {}
