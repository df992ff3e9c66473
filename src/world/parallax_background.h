#pragma once

#include <cstdint>

#include "platform/messages.h"
#include "platform/video_system.h"

class ArchiveStream;

// The landscape layers behind and between the figures. Until layers can be
// read there is nothing to draw and nothing shields a figure.
class ParallaxBackground {
public:
    bool load(ArchiveStream*, platform::VideoDevice*) { return false; }
    void clear() { layerCount_ = 0; }
    std::int32_t layerCount() const { return layerCount_; }
    std::int32_t widestLayerWidth() const { return 0; }
    // Draws layer index (or all for -1) and returns its scroll factor.
    float drawLayer(platform::VideoSurface*, platform::Rect*, std::int32_t, bool, std::int32_t, std::int32_t,
                    std::int32_t) {
        return 0.0f;
    }
    // The nearest layer that is opaque at the screen point, or -1.
    std::int32_t layerAt(std::int32_t, std::int32_t) const { return -1; }

private:
    std::int32_t layerCount_ = 0;
};
