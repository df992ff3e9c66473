#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>

#include "platform/video_system.h"

namespace platform {

struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurfaceHandle = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// An off-screen surface in memory. Transfers are SDL's blitters. Keyed copies
// out of this surface go through a second, run-length encoded copy of the
// pixels, which SDL blits several times faster; locking that copy would unpack
// it, so every lock works on the plain pixels and a write marks the encoded
// copy stale. A read-only lock leaves it alone, which keeps hit tests cheap.
class SdlVideoSurface : public VideoSurface {
public:
    // Null when SDL cannot make the surface.
    static std::unique_ptr<SdlVideoSurface> create(std::int32_t width, std::int32_t height,
                                                   const PixelFormat& format);

    std::int32_t width() const override { return plain_->w; }
    std::int32_t height() const override { return plain_->h; }
    PixelFormat pixelFormat() const override { return format_; }
    bool lock(LockedPixels& out) override;
    bool lockReadOnly(LockedPixels& out) override;
    bool unlock() override;
    bool setColorKey(std::uint32_t key) override;
    bool blt(const Rect* destRect, VideoSurface& source, const Rect* sourceRect,
             std::uint32_t flags) override;
    bool colorFill(const Rect* destRect, std::uint32_t color) override;
    VideoSurface* attachedBackBuffer() override { return nullptr; }
    bool flip() override { return false; }
    bool setClipper(VideoClipper*) override { return false; }

    SDL_Surface* sdlSurface() const { return plain_.get(); }
    bool isLocked() const { return locked_; }
    // The pixels changed behind SDL's back (a write lock or a transfer into it).
    void markChanged() { keyedStale_ = true; }

private:
    struct FreeDeleter {
        void operator()(void* p) const;
    };
    using PixelMemory = std::unique_ptr<void, FreeDeleter>;

    SdlVideoSurface(PixelMemory memory, SdlSurfaceHandle plain, const PixelFormat& format);
    SDL_Surface* keyedCopy();
    bool fillLock(LockedPixels& out);

    PixelMemory memory_;  // the plain surface's pixels
    SdlSurfaceHandle plain_;
    SdlSurfaceHandle keyed_;
    PixelFormat format_;
    std::uint32_t key_ = 0;
    bool hasKey_ = false;
    bool keyedStale_ = true;
    bool locked_ = false;
    bool lockedForWrite_ = false;
};

// SDL rectangles from ours; false when the rectangle is empty or inverted.
bool toSdlRect(const Rect& rect, SDL_Rect& out);

}  // namespace platform
