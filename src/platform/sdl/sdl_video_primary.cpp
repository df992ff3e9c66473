#include "platform/sdl/sdl_video_primary.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace platform {

SdlWindowPrimary::SdlWindowPrimary(std::shared_ptr<SdlVideoPresenter> presenter, const PixelFormat& format,
                                   std::int32_t width, std::int32_t height,
                                   std::unique_ptr<SdlVideoSurface> backBuffer)
    : presenter_(std::move(presenter)),
      format_(format),
      width_(width),
      height_(height),
      backBuffer_(std::move(backBuffer)) {}

bool SdlWindowPrimary::blt(const Rect* destRect, VideoSurface& source, const Rect* sourceRect,
                           std::uint32_t flags) {
    auto* from = dynamic_cast<SdlVideoSurface*>(&source);
    if (!from || from->isLocked() || flags != kBltPlain) return false;
    SDL_Rect part{0, 0, from->width(), from->height()};
    if (sourceRect && !toSdlRect(*sourceRect, part)) return false;
    SDL_Rect dest{0, 0, part.w, part.h};
    if (destRect && !toSdlRect(*destRect, dest)) return false;
    // The window shows one picture: the copied part becomes the whole frame.
    width_ = part.w;
    height_ = part.h;
    return presenter_->show(from->sdlSurface(), part);
}

bool SdlWindowPrimary::flip() {
    if (!backBuffer_ || backBuffer_->isLocked()) return false;
    return presenter_->show(backBuffer_->sdlSurface(),
                            SDL_Rect{0, 0, backBuffer_->width(), backBuffer_->height()});
}

bool SdlWindowPrimary::setClipper(VideoClipper* clipper) {
    clipper_ = clipper;
    return true;
}

SdlMemoryPrimary::SdlMemoryPrimary(std::unique_ptr<SdlVideoSurface> screen,
                                   std::unique_ptr<SdlVideoSurface> backBuffer)
    : screen_(std::move(screen)), backBuffer_(std::move(backBuffer)) {}

bool SdlMemoryPrimary::blt(const Rect* destRect, VideoSurface& source, const Rect* sourceRect,
                           std::uint32_t flags) {
    return screen_->blt(destRect, source, sourceRect, flags);
}

bool SdlMemoryPrimary::flip() {
    if (!backBuffer_) return false;
    // A flip exchanges the two buffers: the back buffer then holds the frame
    // shown before, as on a real flip chain.
    LockedPixels front;
    LockedPixels back;
    if (!screen_->lock(front)) return false;
    if (!backBuffer_->lock(back)) {
        screen_->unlock();
        return false;
    }
    const std::size_t bytes = static_cast<std::size_t>(front.pitch) * static_cast<std::size_t>(front.height);
    std::swap_ranges(front.pixels, front.pixels + bytes, back.pixels);
    backBuffer_->unlock();
    screen_->unlock();
    ++flips_;
    return true;
}

}  // namespace platform
