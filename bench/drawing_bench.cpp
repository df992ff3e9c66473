#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "display/surface.h"
#include "frame_copy.h"
#include "platform/video_system.h"

namespace {

constexpr std::int32_t kLayerWidths[5] = {2500, 2350, 2000, 1800, 1200};
constexpr std::int32_t kWidest = 2500;

// Fills a picture with a colour ramp; keyed pictures get hills: transparent
// above a wavy line that sits lower for the front layers.
void paint(Surface& s, std::int32_t layer, bool keyed) {
    s.lock();
    std::vector<std::uint8_t> row(static_cast<std::size_t>(s.width()) * 3);
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(s.width()));
    for (std::int32_t y = 0; y < s.height(); ++y) {
        for (std::int32_t x = 0; x < s.width(); ++x) {
            row[static_cast<std::size_t>(x) * 3] = static_cast<std::uint8_t>(x);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<std::uint8_t>(y + layer * 40);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<std::uint8_t>(x + y);
            const std::int32_t ground = s.height() / 3 + layer * 50 + ((x / 7) % 40);
            mask[static_cast<std::size_t>(x)] = keyed && y < ground ? 1 : 0;
        }
        s.writeRow(row.data(), y, true);
        s.applyMaskRow(mask.data(), y);
    }
    s.unlock();
}

void paintSprite(Surface& s) {
    s.lock();
    std::vector<std::uint8_t> row(100 * 3, 90);
    std::vector<std::uint8_t> mask(100);
    for (std::int32_t y = 0; y < 100; ++y) {
        for (std::int32_t x = 0; x < 100; ++x) {
            mask[static_cast<std::size_t>(x)] = (x - 50) * (x - 50) + (y - 50) * (y - 50) > 45 * 45 ? 1 : 0;
        }
        s.writeRow(row.data(), y, true);
        s.applyMaskRow(mask.data(), y);
    }
    s.unlock();
}

struct PlayPicture {
    PlayPicture() {
        for (std::int32_t i = 0; i < 5; ++i) {
            layers[i].create(kLayerWidths[i], 480, device.get());
            paint(layers[i], i, i > 0);
        }
        sprite.create(100, 100, device.get());
        paintSprite(sprite);
    }

    void draw(float scroll) {
        for (std::int32_t i = 0; i < 5; ++i) {
            const float factor = static_cast<float>(kLayerWidths[i] - 640) / static_cast<float>(kWidest - 640);
            layers[i].draw(back.get(), &clip, -scroll * factor, 0.0f, i > 0, 100.0f);
        }
        for (std::int32_t k = 0; k < 30; ++k) {
            sprite.draw(back.get(), &clip, static_cast<float>((k * 97) % 560), static_cast<float>((k * 53) % 380),
                        true, 100.0f);
        }
    }

    std::unique_ptr<platform::VideoDevice> device = platform::createOffscreenDevice(platform::kFormat565);
    std::unique_ptr<platform::VideoSurface> back = device->createSurface(640, 480);
    const platform::Rect clip{0, 0, 640, 480};
    Surface layers[5];
    Surface sprite;
};

void BM_PlayPicture(benchmark::State& state) {
    PlayPicture picture;
    const float scroll = 777.0f;
    picture.draw(scroll);  // the first keyed draw prepares the fast copies
    for (auto _ : state) {
        picture.draw(scroll);
        benchmark::ClobberMemory();
    }
}

void BM_IsOpaqueAtOnLandscapeLayer(benchmark::State& state) {
    PlayPicture picture;
    picture.draw(0.0f);
    Surface& layer = picture.layers[2];
    std::int32_t x = 0;
    std::int32_t y = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(layer.isOpaqueAt(x, y));
        x = (x + 613) % layer.width();
        y = (y + 97) % layer.height();
    }
}

}  // namespace

BENCHMARK(BM_MemcpyFrame);
BENCHMARK(BM_PlayPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IsOpaqueAtOnLandscapeLayer);
