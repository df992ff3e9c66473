#pragma once

#include <cstdint>
#include <memory>

#include "platform/messages.h"

namespace platform {

// How a pixel of a surface is laid out. 24- and 32-bit pixels are always the
// bytes blue, green, red (and one spare byte) in memory; 16-bit pixels are
// words whose channels the masks name.
struct PixelFormat {
    std::uint32_t bitCount = 0;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
};

inline bool operator==(const PixelFormat& a, const PixelFormat& b) {
    return a.bitCount == b.bitCount && a.redMask == b.redMask && a.greenMask == b.greenMask &&
           a.blueMask == b.blueMask;
}

constexpr PixelFormat kFormat565{16, 0xF800, 0x07E0, 0x001F};
constexpr PixelFormat kFormat555{16, 0x7C00, 0x03E0, 0x001F};
constexpr PixelFormat kFormat24{24, 0xFF0000, 0x00FF00, 0x0000FF};
constexpr PixelFormat kFormat32{32, 0xFF0000, 0x00FF00, 0x0000FF};

// What a lock hands out: the surface memory, valid until unlock.
struct LockedPixels {
    std::uint8_t* pixels = nullptr;
    std::int32_t pitch = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    PixelFormat format;
};

// Block transfer flags.
constexpr std::uint32_t kBltPlain = 0;
constexpr std::uint32_t kBltKeySource = 1;  // skip source pixels equal to the source key

class VideoSurface;

// Limits what reaches the visible surface to the game window.
class VideoClipper {
public:
    virtual ~VideoClipper() = default;
    virtual bool setWindow(WindowHandle window) = 0;
};

// One surface of a video device: off-screen, the visible (primary) surface or
// the back buffer of a flip chain. Every operation reports failure by false;
// nothing throws.
class VideoSurface {
public:
    virtual ~VideoSurface() = default;

    virtual std::int32_t width() const = 0;
    virtual std::int32_t height() const = 0;
    virtual PixelFormat pixelFormat() const = 0;

    // Direct pixel access. A surface that is locked already is busy: a second
    // lock fails.
    virtual bool lock(LockedPixels& out) = 0;
    // A lock that promises not to write: the surface keeps whatever it has
    // prepared for fast transfers.
    virtual bool lockReadOnly(LockedPixels& out) = 0;
    virtual bool unlock() = 0;

    // The source key used by keyed transfers out of this surface, as a pixel value.
    virtual bool setColorKey(std::uint32_t key) = 0;
    // Copies source (whole when sourceRect is null) into this surface (whole when
    // destRect is null), stretching when the two rectangles differ in size.
    virtual bool blt(const Rect* destRect, VideoSurface& source, const Rect* sourceRect,
                     std::uint32_t flags) = 0;
    virtual bool colorFill(const Rect* destRect, std::uint32_t color) = 0;

    // Flip chains: the back buffer of a visible surface (owned by it; null when
    // there is none) and the flip that shows it.
    virtual VideoSurface* attachedBackBuffer() = 0;
    virtual bool flip() = 0;
    virtual bool setClipper(VideoClipper* clipper) = 0;
};

// A display driver object: makes surfaces in the display's pixel format and
// owns the game's hold on the screen.
class VideoDevice {
public:
    virtual ~VideoDevice() = default;

    virtual PixelFormat displayFormat() const = 0;
    // Exclusive full screen, or sharing the desktop with other windows.
    virtual bool setCooperativeLevel(WindowHandle window, bool exclusiveFullscreen) = 0;
    // The picture size and depth of exclusive mode.
    virtual bool setDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel) = 0;
    virtual void restoreDisplayMode() = 0;
    // The visible surface; with backBufferCount 1 it carries a flip chain.
    // Null on failure.
    virtual std::unique_ptr<VideoSurface> createPrimarySurface(std::int32_t backBufferCount) = 0;
    // An off-screen surface in the display's format. Null on failure.
    virtual std::unique_ptr<VideoSurface> createSurface(std::int32_t width, std::int32_t height) = 0;
    virtual std::unique_ptr<VideoClipper> createClipper() = 0;
    // Where the window's client origin lies in the visible surface.
    virtual void clientToScreen(WindowHandle window, std::int32_t& x, std::int32_t& y) = 0;
};

// The video library: whether it could be started, and its devices.
class VideoSystem {
public:
    enum class Availability { Ready, Missing, Outdated };

    virtual ~VideoSystem() = default;
    virtual Availability availability() const = 0;
    // Null when no device can be made.
    virtual std::unique_ptr<VideoDevice> createDevice() = 0;
};

// A device without a screen: off-screen surfaces in memory in the given format,
// for tools and tests. Its visible surfaces show nothing.
std::unique_ptr<VideoDevice> createOffscreenDevice(const PixelFormat& format);

}  // namespace platform
