#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "display/surface.h"
#include "platform/messages.h"
#include "platform/video_system.h"

class ArchiveStream;

// The landscape: a stack of wide pictures, farthest first, that scroll in
// proportion to their width, so all show their left edges at scroll 0 and
// their right edges together at the largest scroll.
class ParallaxBackground {
public:
    // The fixed picture the shot's point is measured in.
    static constexpr std::int32_t kPictureWidth = 640;
    static constexpr std::int32_t kPictureHeight = 480;

    ParallaxBackground() = default;
    ParallaxBackground(const ParallaxBackground&) = delete;
    ParallaxBackground& operator=(const ParallaxBackground&) = delete;

    // Appends a layer for every "JP" record, masked by the "PG" behind it.
    // Layers read before a failure stay.
    bool load(ArchiveStream* stream, platform::VideoDevice* device);
    void clear() { layers_.clear(); }
    std::int32_t layerCount() const { return static_cast<std::int32_t>(layers_.size()); }
    const Surface* layer(std::int32_t index) const;
    std::int32_t widestLayerWidth() const;
    // Why the last load failed, when the reason has a name.
    const std::string& failureText() const { return failureText_; }

    // Trims rect to the view (centred on request), draws layer index (all for
    // -1) and returns its scroll factor: 1.0 for an index without a layer,
    // 0.0 without a target.
    float drawLayer(platform::VideoSurface* target, platform::Rect* rect, std::int32_t scroll, bool centre,
                    std::int32_t index, std::int32_t viewWidth, std::int32_t viewHeight);
    // The nearest layer that is opaque at the view point at the last drawn
    // scroll, or -1.
    std::int32_t layerAt(std::int32_t x, std::int32_t y) const;

    // How far a layer of width w moves relative to the widest one.
    float scrollFactor(std::int32_t width, std::int32_t viewWidth) const;
    // How far a layer of width w is shifted left at this scroll.
    std::int32_t layerOffset(std::int32_t width, std::int32_t scroll, std::int32_t viewWidth) const;

private:
    float drawOne(const Surface& layer, platform::VideoSurface* target, const platform::Rect& rect,
                  std::int32_t viewWidth) const;

    std::vector<std::unique_ptr<Surface>> layers_;
    std::int32_t scroll_ = 0;
    std::string failureText_;
};
