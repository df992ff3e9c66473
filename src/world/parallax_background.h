#pragma once

#include <cstdint>

// The landscape layers behind and between the figures. Until layers are read
// there is nothing to draw and nothing shields a figure.
class ParallaxBackground {
public:
    void clear() { layerCount_ = 0; }
    std::int32_t layerCount() const { return layerCount_; }
    std::int32_t widestLayerWidth() const { return 0; }
    // The nearest layer that is opaque at the screen point, or -1.
    std::int32_t layerAt(std::int32_t, std::int32_t) const { return -1; }

private:
    std::int32_t layerCount_ = 0;
};
