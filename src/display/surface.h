#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/messages.h"
#include "platform/video_system.h"

// One picture as a grid of off-screen tiles of at most TileWidth by TileHeight
// pixels in the display's pixel format. Transparency is the key colour grey
// (180, 180, 180) painted into the pixels; opaque pixels of that colour are
// stored as (180, 184, 180). Rows travel as 3 bytes per pixel, blue, green, red.
class Surface {
public:
    static constexpr std::int32_t TileWidth = 640;
    static constexpr std::int32_t TileHeight = 480;

    // Where a tile lies in the picture.
    struct Box {
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
    };

    Surface() = default;
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    bool isEmpty() const { return tiles_.empty(); }

    bool create(std::int32_t width, std::int32_t height, platform::VideoDevice* device);
    void destroy();

    bool lock();
    bool unlock();
    bool writeRow(const std::uint8_t* row, std::int32_t y, bool avoidKey);
    bool readRow(std::uint8_t* row, std::int32_t y, bool mirror);
    bool applyMaskRow(const std::uint8_t* mask, std::int32_t y);

    bool draw(platform::VideoSurface* target, const platform::Rect* clip, float x, float y, bool keyed,
              float scalePercent) const;
    bool drawPart(platform::VideoSurface* target, const platform::Rect* clip, std::int32_t x, std::int32_t y,
                  std::int32_t sourceX, std::int32_t sourceY, std::int32_t partWidth, std::int32_t partHeight,
                  bool keyed) const;
    bool isOpaqueAt(std::int32_t x, std::int32_t y) const;

    // Clears rect of a single surface to mid grey in its own pixel format.
    static bool fillGrey(platform::VideoSurface* target, const platform::Rect* rect);

    // The tile layout and the format recorded by the last row write or read.
    std::int32_t tileCount() const { return static_cast<std::int32_t>(tiles_.size()); }
    const Box& tileRect(std::int32_t i) const { return tileRects_[static_cast<std::size_t>(i)]; }
    bool isTileLocked(std::int32_t i) const { return tileLocks_[static_cast<std::size_t>(i)].pixels != nullptr; }
    const platform::PixelFormat& recordedFormat() const { return format_; }

private:
    enum class RowOp { Write, Read, Mask };
    void walkRow(RowOp op, const std::uint8_t* in, std::uint8_t* out, std::int32_t y, bool flag);
    std::uint32_t keyFor(const platform::PixelFormat& tileFormat) const;

    platform::VideoDevice* device_ = nullptr;
    std::vector<std::unique_ptr<platform::VideoSurface>> tiles_;
    std::vector<platform::LockedPixels> tileLocks_;
    std::vector<Box> tileRects_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    platform::PixelFormat format_;
};
