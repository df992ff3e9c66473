#include "display/display.h"

#include <string>

#include "display/plain_surface.h"
#include "platform/game_error.h"
#include "platform/message_box.h"

namespace {

// Windows-1252 texts: \xFC is u-umlaut, \xF6 o-umlaut.
const char* const kMissingLibraryText =
    "DirectX ist nicht auf diesem Computer installiert. F\xFCr den Betrieb des Shooters\n"
    "wird eine DirectX Version ab 7.0 ben\xF6tigt. Die aktuelle Version von DirectX\n"
    "finden sie auf der Webseite von Microsoft. ";
const char* const kOutdatedLibraryText =
    "Eine \xE4ltere Version von DirectX ist auf diesem Computer installiert. F\xFCr den Betrieb des Shooters\n"
    "wird eine DirectX Version ab 7.0 ben\xF6tigt. Die aktuelle Version von DirectX\n"
    "finden sie auf der Webseite von Microsoft. ";
const char* const kVendorAddress = "http://www.microsoft.com/directx";
const char* const kErrorCaption = "Fehler";

}  // namespace

Display::Display(platform::VideoSystem* video) : video_(video) {
    using Availability = platform::VideoSystem::Availability;
    const Availability availability = video_ ? video_->availability() : Availability::Missing;
    if (availability == Availability::Missing) {
        platform::showMessageBox(kErrorCaption, std::string(kMissingLibraryText) + kVendorAddress);
    } else if (availability == Availability::Outdated) {
        platform::showMessageBox(kErrorCaption, std::string(kOutdatedLibraryText) + kVendorAddress);
    } else {
        library_ = true;
    }
}

Display::~Display() { release(false); }

bool Display::create(platform::WindowHandle window, bool fullscreen, std::int32_t width, std::int32_t height) {
    if (!library_) return false;
    window_ = window;
    fullscreen_ = fullscreen;
    try {
        directDraw_ = video_->createDevice();
        if (!directDraw_) throw GameError();
        if (!directDraw_->setCooperativeLevel(window, fullscreen)) throw GameError();
        if (fullscreen && !directDraw_->setDisplayMode(width, height, 16)) throw GameError();
        // Without a visible surface, windowed frames are composed but never shown.
        primary_ = directDraw_->createPrimarySurface(fullscreen ? 1 : 0);
        if (fullscreen) {
            if (!primary_) throw GameError();
            backBuffer_ = primary_->attachedBackBuffer();
            if (!backBuffer_) throw GameError();
        }
        clipper_ = directDraw_->createClipper();
        if (!clipper_ || !clipper_->setWindow(window)) throw GameError();
        if (primary_ && !primary_->setClipper(clipper_.get())) throw GameError();
    } catch (const GameError&) {
        release(false);
        return false;
    }
    return true;
}

void Display::release(bool restoreDisplayMode) {
    if (fullscreen_ && restoreDisplayMode && directDraw_) directDraw_->restoreDisplayMode();
    if (primary_) primary_->setClipper(nullptr);
    clipper_.reset();
    backBuffer_ = nullptr;
    ownBackBuffer_.reset();
    primary_.reset();
    directDraw_.reset();
}

void Display::fitBackBuffer(const platform::Rect& clientRect) {
    if (!library_ || !directDraw_ || fullscreen_) return;
    const std::int32_t w = clientRect.right - clientRect.left;
    const std::int32_t h = clientRect.bottom - clientRect.top;
    if (backBuffer_) {
        const SurfaceSize size = surfaceSize(backBuffer_);
        if (size.width == w && size.height == h) return;
    }
    backBuffer_ = nullptr;
    ownBackBuffer_.reset();
    try {
        // Negative sizes (a bogus rectangle) are refused by the device.
        ownBackBuffer_ = createPlainSurface(w, h, directDraw_.get());
    } catch (const GameError&) {
        ownBackBuffer_.reset();
    }
    backBuffer_ = ownBackBuffer_.get();
}

void Display::presentWindowed() {
    std::int32_t x = 0;
    std::int32_t y = 0;
    directDraw_->clientToScreen(window_, x, y);
    const SurfaceSize size = surfaceSize(backBuffer_);
    const platform::Rect dest{x, y, x + size.width, y + size.height};
    const platform::Rect source{0, 0, size.width, size.height};
    primary_->blt(&dest, *backBuffer_, &source, platform::kBltPlain);
}

void Display::present() {
    if (!library_ || !backBuffer_ || !primary_) return;
    if (fullscreen_) {
        primary_->flip();
    } else {
        presentWindowed();
    }
}

void Display::copyToAllBuffers() {
    if (!library_ || !fullscreen_ || !backBuffer_ || !primary_) return;
    for (int i = 0; i < 4; ++i) {
        presentWindowed();
        primary_->flip();
    }
}
