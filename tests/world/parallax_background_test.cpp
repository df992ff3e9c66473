#include "world/parallax_background.h"

#include <gtest/gtest.h>

#include "fakes/headless_video.h"
#include "world_fixture.h"

namespace {

using namespace worldtest;

constexpr std::int32_t kWidths[] = {2500, 2350, 2000, 1800, 1200};
constexpr std::int32_t kHeight = 8;
constexpr std::int32_t kMaxScroll = 2500 - 640;

// Transparent except for the last ten columns.
Transparent rightEdgeOnly(std::int32_t w) {
    return [w](std::int32_t x, std::int32_t) { return x < w - 10; };
}

class ParallaxBackgroundTest : public ::testing::Test {
protected:
    // The landscape's five widths: layer 0 opaque and red, the nearer ones
    // blue and opaque only along their right edge.
    Bytes landscape() const {
        Bytes out = record("PI", u32le(5));
        for (std::int32_t w : kWidths) {
            out = concat({out, w == 2500 ? image(w, kHeight, red) : image(w, kHeight, blue, rightEdgeOnly(w))});
        }
        return out;
    }

    bool load(const Bytes& data) {
        Entry entry(data);
        return background_.load(entry.stream(), device_.get());
    }

    std::unique_ptr<platform::VideoDevice> device_ = platform::createOffscreenDevice(platform::kFormat32);
    ParallaxBackground background_;
};

TEST_F(ParallaxBackgroundTest, LoadsLayersInFileOrderWithTheirFactors) {
    ASSERT_TRUE(load(landscape()));
    ASSERT_EQ(background_.layerCount(), 5);
    EXPECT_EQ(background_.widestLayerWidth(), 2500);
    auto target = device_->createSurface(640, 480);
    for (std::int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(background_.layer(i)->width(), kWidths[i]);
        platform::Rect view{0, 0, 640, 480};
        const float expected = static_cast<float>(kWidths[i] - 640) / 1860.0f;
        EXPECT_FLOAT_EQ(background_.drawLayer(target.get(), &view, 0, false, i, 640, 480), expected) << i;
    }
    platform::Rect view{0, 0, 640, 480};
    EXPECT_FLOAT_EQ(background_.drawLayer(target.get(), &view, 0, false, 5, 640, 480), 1.0f);
    EXPECT_FLOAT_EQ(background_.drawLayer(target.get(), &view, 0, false, -1, 640, 480), 560.0f / 1860.0f);
    EXPECT_FLOAT_EQ(background_.drawLayer(nullptr, &view, 0, false, 0, 640, 480), 0.0f);

    background_.clear();
    EXPECT_EQ(background_.layerCount(), 0);
    EXPECT_EQ(background_.widestLayerWidth(), 0);
    EXPECT_FLOAT_EQ(background_.drawLayer(target.get(), &view, 0, false, -1, 640, 480), 1.0f);
}

TEST_F(ParallaxBackgroundTest, LayersMeetAtTheirRightEdgesAtTheLargestScroll) {
    ASSERT_TRUE(load(landscape()));
    auto target = device_->createSurface(640, 480);
    for (std::int32_t scroll : {0, kMaxScroll}) {
        target->colorFill(nullptr, 0);
        platform::Rect view{0, 0, 640, 480};
        background_.drawLayer(target.get(), &view, scroll, false, 0, 640, 480);
        background_.drawLayer(target.get(), &view, scroll, false, 4, 640, 480);
        // Layer 4 is drawn at x = -560 at the largest scroll: its blue edge fills columns 630..639.
        const bool edgeShown = scroll == kMaxScroll;
        EXPECT_EQ(isBlue(pixelAt(*target, 639, 3)), edgeShown) << scroll;
        EXPECT_EQ(isBlue(pixelAt(*target, 630, 3)), edgeShown) << scroll;
        EXPECT_TRUE(isRed(pixelAt(*target, 629, 3))) << scroll;
        EXPECT_TRUE(isRed(pixelAt(*target, 0, 3))) << scroll;
        EXPECT_EQ(pixelAt(*target, 0, kHeight), 0u) << "drawn once, no wrap below the picture";
    }
    EXPECT_EQ(background_.layerOffset(1200, kMaxScroll, 640), 560);
    EXPECT_EQ(background_.layerOffset(2500, kMaxScroll, 640), 1860);
}

TEST_F(ParallaxBackgroundTest, TrimsTheViewRectangle) {
    struct Case {
        platform::Rect in;
        bool centre;
        platform::Rect out;
    };
    const Case cases[] = {
        {{0, 0, 800, 480}, true, {80, 0, 720, 480}},
        {{0, 0, 800, 480}, false, {0, 0, 640, 480}},
        {{10, 0, 811, 600}, true, {90, 60, 730, 540}},
        {{5, 6, 600, 400}, true, {5, 6, 600, 400}},
    };
    auto target = device_->createSurface(1024, 768);
    for (const Case& c : cases) {
        platform::Rect r = c.in;
        background_.drawLayer(target.get(), &r, 0, c.centre, 0, 640, 480);
        EXPECT_EQ(r.left, c.out.left);
        EXPECT_EQ(r.top, c.out.top);
        EXPECT_EQ(r.right, c.out.right);
        EXPECT_EQ(r.bottom, c.out.bottom);
    }
}

TEST_F(ParallaxBackgroundTest, LayerAtFindsTheNearestOpaqueLayerAtTheDrawnScroll) {
    ASSERT_TRUE(load(landscape()));
    auto target = device_->createSurface(640, 480);
    platform::Rect view{0, 0, 640, 480};
    struct Case {
        std::int32_t scroll, x, y, layer;
    };
    const Case cases[] = {
        {0, 100, 3, 0},           {0, 639, 3, 0},          {kMaxScroll, 635, 3, 4}, {kMaxScroll, 629, 3, 0},
        {kMaxScroll, 640, 3, -1}, {0, 100, 480, -1},       {0, -1, 3, -1},          {0, 100, -1, -1},
        {0, 100, kHeight, -1},     {kMaxScroll, 630, 3, 4},
    };
    for (const Case& c : cases) {
        background_.drawLayer(target.get(), &view, c.scroll, false, 0, 640, 480);
        EXPECT_EQ(background_.layerAt(c.x, c.y), c.layer) << c.scroll << " " << c.x << "," << c.y;
    }
}

TEST_F(ParallaxBackgroundTest, EmptyMaskMakesTheLayerOpaqueEverywhere) {
    ASSERT_TRUE(load(concat({image(700, kHeight, red), image(640, 4, blue)})));
    EXPECT_EQ(background_.layerAt(0, 3), 1);
    EXPECT_EQ(background_.layerAt(639, 0), 1);
    EXPECT_EQ(background_.layerAt(639, 5), 0) << "below the nearer, shorter layer";
}

TEST_F(ParallaxBackgroundTest, FailuresKeepTheLayersReadSoFar) {
    const Bytes layer = image(700, kHeight, red);
    const Bytes badJpeg = record("JP", Bytes{0xFF, 0xD8, 0x00, 0x01});
    struct Case {
        const char* what;
        Bytes data;
        bool ok;
        std::int32_t layers;
        const char* text;
    };
    const Case cases[] = {
        {"no records", Bytes{}, false, 0, "could not start block"},
        {"only PI", record("PI", u32le(5)), false, 0, "could not start block"},
        {"PI claiming four billion layers", concat({record("PI", u32le(0xFFFFFFFF)), layer}), true, 1, ""},
        {"unknown records skipped", concat({record("ZZ", Bytes(3, 9)), layer, record("QQ")}), true, 1, ""},
        {"picture without a mask record", record("JP", fixture::encodeJpeg(700, 4, red)), true, 1, ""},
        {"mask before any picture", concat({record("PG", fixture::encodeMask(8, 8, [](std::int32_t, std::int32_t) { return false; })), layer}), false, 0, ""},
        {"broken picture", concat({layer, badJpeg}), false, 2, ""},
        {"record running past the end", concat({layer, fixture::ByteWriter().recordHeader("ZZ", 5000).take()}), false,
         1, ""},
    };
    for (const Case& c : cases) {
        background_.clear();
        EXPECT_EQ(load(c.data), c.ok) << c.what;
        EXPECT_EQ(background_.layerCount(), c.layers) << c.what;
        EXPECT_EQ(background_.failureText(), c.text) << c.what;
    }
    EXPECT_FALSE(background_.load(nullptr, device_.get()));
    Entry entry(layer);
    EXPECT_FALSE(background_.load(entry.stream(), nullptr));
}

TEST_F(ParallaxBackgroundTest, SecondLoadWithoutClearAppendsFreshLayers) {
    const Bytes file = concat({image(900, kHeight, red), image(700, kHeight, blue, [](std::int32_t x, std::int32_t) {
                                   return x >= 10;
                               })});
    ASSERT_TRUE(load(file));
    ASSERT_TRUE(load(file));
    ASSERT_EQ(background_.layerCount(), 4);
    for (std::int32_t i = 0; i < 4; ++i) EXPECT_FALSE(background_.layer(i)->isEmpty()) << i;
    // The second set's masks went to the second set: layer 3 is masked, layer 2 is not.
    EXPECT_FALSE(background_.layer(3)->isOpaqueAt(20, 3));
    EXPECT_TRUE(background_.layer(2)->isOpaqueAt(20, 3));
    EXPECT_FALSE(background_.layer(1)->isOpaqueAt(20, 3));
}

TEST_F(ParallaxBackgroundTest, LandscapeNoWiderThanTheViewStandsStill) {
    ASSERT_TRUE(load(concat({image(640, kHeight, red), image(600, kHeight, blue)})));
    auto target = device_->createSurface(640, 480);
    platform::Rect view{0, 0, 640, 480};
    EXPECT_FLOAT_EQ(background_.drawLayer(target.get(), &view, 300, false, 0, 640, 480), 0.0f);
    EXPECT_EQ(background_.layerAt(620, 3), 0);
    EXPECT_EQ(background_.layerAt(10, 3), 1);
}

}  // namespace
