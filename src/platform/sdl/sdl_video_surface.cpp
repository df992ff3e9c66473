#include "platform/sdl/sdl_video_surface.h"

#include <cstddef>
#include <cstdlib>
#include <utility>

namespace platform {
namespace {

// SDL's own limit for one surface side.
constexpr std::int32_t kMaxSide = 16384;

}  // namespace

bool toSdlRect(const Rect& rect, SDL_Rect& out) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return false;
    out = SDL_Rect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    return true;
}

std::unique_ptr<SdlVideoSurface> SdlVideoSurface::create(std::int32_t width, std::int32_t height,
                                                         const PixelFormat& format) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
    if (format.bitCount != 16 && format.bitCount != 24 && format.bitCount != 32) return nullptr;
    // Rows padded to 4 bytes. calloc hands out fresh pages already zeroed, so a
    // big picture is not cleared twice before the decoder overwrites it.
    const std::size_t pitch = (static_cast<std::size_t>(width) * (format.bitCount / 8) + 3) & ~std::size_t{3};
    PixelMemory memory(std::calloc(static_cast<std::size_t>(height), pitch));
    if (!memory) return nullptr;
    SdlSurfaceHandle plain(SDL_CreateRGBSurfaceFrom(memory.get(), width, height, static_cast<int>(format.bitCount),
                                                    static_cast<int>(pitch), format.redMask, format.greenMask,
                                                    format.blueMask, 0));
    if (!plain) return nullptr;
    // Stretched transfers must not blend or filter: a key pixel has to stay a key pixel.
    SDL_SetSurfaceBlendMode(plain.get(), SDL_BLENDMODE_NONE);
    return std::unique_ptr<SdlVideoSurface>(new SdlVideoSurface(std::move(memory), std::move(plain), format));
}

void SdlVideoSurface::FreeDeleter::operator()(void* p) const { std::free(p); }

SdlVideoSurface::SdlVideoSurface(PixelMemory memory, SdlSurfaceHandle plain, const PixelFormat& format)
    : memory_(std::move(memory)), plain_(std::move(plain)), format_(format) {}

bool SdlVideoSurface::fillLock(LockedPixels& out) {
    if (locked_) return false;  // busy
    locked_ = true;
    out.pixels = static_cast<std::uint8_t*>(plain_->pixels);
    out.pitch = plain_->pitch;
    out.width = plain_->w;
    out.height = plain_->h;
    out.format = format_;
    return true;
}

bool SdlVideoSurface::lock(LockedPixels& out) {
    if (!fillLock(out)) return false;
    lockedForWrite_ = true;
    return true;
}

bool SdlVideoSurface::lockReadOnly(LockedPixels& out) {
    if (!fillLock(out)) return false;
    lockedForWrite_ = false;
    return true;
}

bool SdlVideoSurface::unlock() {
    if (!locked_) return false;
    if (lockedForWrite_) markChanged();
    locked_ = false;
    lockedForWrite_ = false;
    return true;
}

bool SdlVideoSurface::setColorKey(std::uint32_t key) {
    if (hasKey_ && key_ == key) return true;
    key_ = key;
    hasKey_ = true;
    if (keyed_ && SDL_SetColorKey(keyed_.get(), SDL_TRUE, key_) != 0) keyedStale_ = true;
    return true;
}

SDL_Surface* SdlVideoSurface::keyedCopy() {
    if (keyed_ && !keyedStale_) return keyed_.get();
    keyed_.reset(SDL_DuplicateSurface(plain_.get()));
    if (!keyed_) return nullptr;
    SDL_SetSurfaceBlendMode(keyed_.get(), SDL_BLENDMODE_NONE);
    if (SDL_SetColorKey(keyed_.get(), SDL_TRUE, key_) != 0 || SDL_SetSurfaceRLE(keyed_.get(), 1) != 0) {
        keyed_.reset();
        return nullptr;
    }
    keyedStale_ = false;
    return keyed_.get();
}

bool SdlVideoSurface::blt(const Rect* destRect, VideoSurface& source, const Rect* sourceRect,
                          std::uint32_t flags) {
    auto* from = dynamic_cast<SdlVideoSurface*>(&source);
    if (!from || from == this || locked_ || from->locked_) return false;
    SDL_Rect src{0, 0, from->width(), from->height()};
    SDL_Rect dst{0, 0, width(), height()};
    if (sourceRect && !toSdlRect(*sourceRect, src)) return false;
    if (destRect && !toSdlRect(*destRect, dst)) return false;
    const bool keyed = (flags & kBltKeySource) != 0;
    if (keyed && !from->hasKey_) return false;
    const bool stretched = src.w != dst.w || src.h != dst.h;

    int rc = 0;
    if (!stretched) {
        SDL_Surface* pixels = keyed ? from->keyedCopy() : from->plain_.get();
        if (!pixels) return false;
        rc = SDL_BlitSurface(pixels, &src, plain_.get(), &dst);
    } else {
        // The encoded copy does not scale; key the plain pixels just for this transfer.
        SDL_Surface* pixels = from->plain_.get();
        if (keyed && SDL_SetColorKey(pixels, SDL_TRUE, from->key_) != 0) return false;
        rc = SDL_BlitScaled(pixels, &src, plain_.get(), &dst);
        if (keyed) SDL_SetColorKey(pixels, SDL_FALSE, 0);
    }
    markChanged();
    return rc == 0;
}

bool SdlVideoSurface::colorFill(const Rect* destRect, std::uint32_t color) {
    if (locked_) return false;
    SDL_Rect dst{0, 0, width(), height()};
    if (destRect && !toSdlRect(*destRect, dst)) return false;
    markChanged();
    return SDL_FillRect(plain_.get(), &dst, color) == 0;
}

}  // namespace platform
