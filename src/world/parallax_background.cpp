#include "world/parallax_background.h"

#include <algorithm>

#include "archive/archive_stream.h"
#include "image/jpeg_decoder.h"
#include "image/mask_decoder.h"
#include "platform/game_error.h"

namespace {

// Cuts one axis of the view to size; centring keeps the cut-off parts even.
void trimAxis(std::int32_t& low, std::int32_t& high, std::int32_t size, bool centre) {
    const std::int32_t extent = high - low;
    if (extent <= size) return;
    high = low + size;
    if (centre) {
        const std::int32_t shift = (extent - size) / 2;
        low += shift;
        high += shift;
    }
}

}  // namespace

bool ParallaxBackground::load(ArchiveStream* stream, platform::VideoDevice* device) {
    failureText_.clear();
    if (!stream || !device) return false;
    try {
        std::int32_t started = 0;
        for (;;) {
            char tag[2];
            if (!stream->beginRecord(tag)) {
                if (started > 0) return true;
                throw GameError("could not start block");
            }
            if (tagEquals(tag, "JP")) {
                layers_.push_back(std::make_unique<Surface>());
                ++started;
                if (!decodeJpeg(stream, layers_.back().get(), device)) throw GameError();
            } else if (tagEquals(tag, "PG") && stream->recordLength() > 0) {
                // The mask belongs to the layer this load started last, never
                // to one left from an earlier load.
                if (started == 0 || !decodeMask(stream, layers_.back().get())) throw GameError();
            }
            if (!stream->endRecord()) throw GameError();
        }
    } catch (const GameError& e) {
        failureText_ = e.what();
        return false;
    }
}

const Surface* ParallaxBackground::layer(std::int32_t index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= layers_.size()) return nullptr;
    return layers_[static_cast<std::size_t>(index)].get();
}

std::int32_t ParallaxBackground::widestLayerWidth() const {
    std::int32_t widest = 0;
    for (const auto& l : layers_) widest = std::max(widest, l->width());
    return widest;
}

float ParallaxBackground::scrollFactor(std::int32_t width, std::int32_t viewWidth) const {
    const std::int32_t range = widestLayerWidth() - viewWidth;
    // A landscape no wider than the view cannot scroll: nothing moves.
    if (range <= 0) return 0.0f;
    return static_cast<float>(width - viewWidth) / static_cast<float>(range);
}

std::int32_t ParallaxBackground::layerOffset(std::int32_t width, std::int32_t scroll, std::int32_t viewWidth) const {
    const float shift = static_cast<float>(scroll) * scrollFactor(width, viewWidth);
    // Only a scroll far outside the landscape gets here; the cast must not overflow.
    constexpr float kLimit = 2147483520.0f;  // the largest float below 2^31
    return static_cast<std::int32_t>(std::clamp(shift, -kLimit, kLimit));
}

float ParallaxBackground::drawOne(const Surface& layer, platform::VideoSurface* target, const platform::Rect& rect,
                                  std::int32_t viewWidth) const {
    const std::int32_t offset = layerOffset(layer.width(), scroll_, viewWidth);
    layer.draw(target, &rect, static_cast<float>(rect.left - offset), static_cast<float>(rect.top), true, 100.0f);
    return scrollFactor(layer.width(), viewWidth);
}

float ParallaxBackground::drawLayer(platform::VideoSurface* target, platform::Rect* rect, std::int32_t scroll,
                                    bool centre, std::int32_t index, std::int32_t viewWidth,
                                    std::int32_t viewHeight) {
    scroll_ = scroll;
    if (!target || !rect) return 0.0f;
    trimAxis(rect->left, rect->right, viewWidth, centre);
    trimAxis(rect->top, rect->bottom, viewHeight, centre);
    if (index == -1) {
        float factor = 1.0f;
        for (const auto& l : layers_) factor = drawOne(*l, target, *rect, viewWidth);
        return factor;
    }
    const Surface* chosen = layer(index);
    return chosen ? drawOne(*chosen, target, *rect, viewWidth) : 1.0f;
}

std::int32_t ParallaxBackground::layerAt(std::int32_t x, std::int32_t y) const {
    if (x < 0 || x >= kPictureWidth || y < 0 || y >= kPictureHeight) return -1;
    for (std::int32_t i = layerCount() - 1; i >= 0; --i) {
        const Surface& l = *layers_[static_cast<std::size_t>(i)];
        if (l.isOpaqueAt(x + layerOffset(l.width(), scroll_, kPictureWidth), y)) return i;
    }
    return -1;
}
