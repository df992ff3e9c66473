#include "world/sprite_animation.h"

#include <gtest/gtest.h>

#include "fakes/headless_video.h"
#include "world_fixture.h"

namespace {

using namespace worldtest;

class SpriteAnimationTest : public ::testing::Test {
protected:
    bool load(SpriteAnimation& a, const Bytes& data) {
        Entry entry(data);
        return a.load(entry.stream(), device_.get());
    }

    std::unique_ptr<platform::VideoDevice> device_ = platform::createOffscreenDevice(platform::kFormat32);
};

TEST_F(SpriteAnimationTest, FrameAtCountsBoundariesToTheEarlierFrame) {
    SpriteAnimation a;
    ASSERT_TRUE(load(a, animationBlock({150, 100, 100})));
    ASSERT_EQ(a.totalDuration(), 350);
    const std::pair<std::int32_t, std::int32_t> cases[] = {{0, 0},   {150, 0}, {151, 1}, {250, 1}, {251, 2},
                                                           {349, 2}, {350, 0}, {500, 0}, {851, 1}};
    for (const auto& c : cases) EXPECT_EQ(a.frameAt(c.first), c.second) << "t = " << c.first;

    SpriteAnimation timeless;
    ASSERT_TRUE(load(timeless, animationBlock({0, 0})));
    EXPECT_EQ(timeless.totalDuration(), 0);
    EXPECT_EQ(timeless.frameAt(123), 0);
}

TEST_F(SpriteAnimationTest, HotspotDefaultsToCentreUnlessTheWordCarriesOne) {
    const std::uint32_t explicitWord = 150 + 18 * (1u << 12) + 35 * (1u << 22);
    SpriteAnimation a;
    ASSERT_TRUE(load(a, animationBlock({150, explicitWord}, 41, 23)));
    ASSERT_EQ(a.frameCount(), 2);
    EXPECT_EQ(a.frame(0)->duration(), 150);
    EXPECT_EQ(a.frame(0)->hotspotX(), 20);
    EXPECT_EQ(a.frame(0)->hotspotY(), 11);
    EXPECT_EQ(a.frame(1)->duration(), 150);
    EXPECT_EQ(a.frame(1)->hotspotX(), 35);
    EXPECT_EQ(a.frame(1)->hotspotY(), 18);

    // Centred on (100, 200): the picture's top-left is at (100 - 20, 200 - 11).
    std::int32_t x = -1;
    std::int32_t y = -1;
    a.hotspot(100, 200, 1, false, x, y);
    EXPECT_EQ(x, 100 + 35 - 20);
    EXPECT_EQ(y, 200 + 18 - 11);
    x = y = -7;
    a.hotspot(100, 200, 2, false, x, y);
    a.hotspot(100, 200, 0, true, x, y);
    EXPECT_EQ(x, -7) << "no such frame leaves the outputs alone";
    EXPECT_EQ(y, -7);

    a.buildMirrored(device_.get());
    a.hotspot(100, 200, 1, true, x, y);
    EXPECT_EQ(x, 100 + (41 - 35) - 20);
    EXPECT_EQ(y, 200 + 18 - 11);
    EXPECT_EQ(a.mirroredFrame(1)->timing & 0x3FFFFF, explicitWord & 0x3FFFFF);
}

TEST_F(SpriteAnimationTest, DamagedBlocksFailAndShortPicturesEndTheFrames) {
    const Bytes one = image(8, 6, red);
    const Bytes jpegOnly = record("JP", fixture::encodeJpeg(8, 6, red));
    struct Case {
        const char* what;
        Bytes data;
        bool ok;
        std::int32_t frames;
    };
    const Case cases[] = {
        {"records before FC and TI are skipped",
         concat({record("XX", Bytes(7, 1)), record("FC", u32le(2)), record("YY"), record("TI", words({5, 6, 7})), one,
                 one}),
         true, 2},
        {"pictures cut short keep the frames read", concat({record("FC", u32le(3)), record("TI", words({5, 6, 7})), one}),
         true, 1},
        {"a picture without its mask ends the frames",
         concat({record("FC", u32le(2)), record("TI", words({5, 6})), one, jpegOnly}), true, 1},
        {"frame count 0", concat({record("FC", u32le(0)), record("TI"), one}), false, 0},
        {"no FC", concat({record("TI", words({5})), one}), false, 0},
        {"FC cut short", record("FC", Bytes{1, 0}), false, 0},
        {"no TI", concat({record("FC", u32le(1)), one}), false, 0},
        {"TI shorter than the frame count", concat({record("FC", u32le(2)), record("TI", words({5})), one, one}),
         false, 0},
        {"frame count of four billion", concat({record("FC", u32le(0xFFFFFFFF)), record("TI", words({5})), one}),
         false, 0},
        {"TI claiming more than the entry holds",
         concat({record("FC", u32le(0x10000000)), fixture::ByteWriter().recordHeader("TI", 0xFFFFFFF0).take()}),
         false, 0},
        {"empty entry", Bytes{}, false, 0},
    };
    for (const Case& c : cases) {
        SpriteAnimation a;
        EXPECT_EQ(load(a, c.data), c.ok) << c.what;
        EXPECT_EQ(a.frameCount(), c.frames) << c.what;
    }
    SpriteAnimation a;
    EXPECT_FALSE(a.load(nullptr, device_.get()));
    Entry entry(animationBlock({5}));
    EXPECT_FALSE(a.load(entry.stream(), nullptr));
}

TEST_F(SpriteAnimationTest, LoadStartsOverAndClearEmpties) {
    SpriteAnimation a;
    ASSERT_TRUE(load(a, animationBlock({10, 20, 30})));
    a.buildMirrored(device_.get());
    ASSERT_TRUE(a.isMirroredBuilt());
    ASSERT_TRUE(load(a, animationBlock({40})));
    EXPECT_EQ(a.frameCount(), 1);
    EXPECT_EQ(a.totalDuration(), 40);
    EXPECT_FALSE(a.isMirroredBuilt());
    a.clear();
    EXPECT_EQ(a.frameCount(), 0);
    EXPECT_EQ(a.totalDuration(), 0);
    EXPECT_EQ(a.frame(0), nullptr);
}

TEST_F(SpriteAnimationTest, DrawsCentredAndRefusesMirroredFramesNotYetBuilt) {
    SpriteAnimation a;
    ASSERT_TRUE(load(a, concat({record("FC", u32le(1)), record("TI", words({100})), image(20, 10, redThenBlue(20))})));
    auto target = device_->createSurface(64, 48);
    ASSERT_TRUE(target);
    target->colorFill(nullptr, 0);
    const platform::Rect view{0, 0, 64, 48};

    EXPECT_TRUE(a.draw(target.get(), &view, 30, 20, 1, false)) << "past the last frame: nothing to draw";
    EXPECT_EQ(pixelAt(*target, 30, 20), 0u);
    EXPECT_FALSE(a.draw(target.get(), &view, 30, 20, 0, true)) << "mirrored before it was built";
    EXPECT_FALSE(a.draw(nullptr, &view, 30, 20, 0, false));
    EXPECT_FALSE(a.draw(target.get(), nullptr, 30, 20, 0, false));

    // Centred on (30, 20): columns 20..39, rows 15..24.
    ASSERT_TRUE(a.draw(target.get(), &view, 30, 20, 0, false));
    EXPECT_TRUE(isRed(pixelAt(*target, 20, 15)));
    EXPECT_TRUE(isBlue(pixelAt(*target, 39, 24)));
    EXPECT_EQ(pixelAt(*target, 19, 15), 0u);
    EXPECT_EQ(pixelAt(*target, 40, 24), 0u);
    EXPECT_EQ(pixelAt(*target, 20, 25), 0u);

    a.buildMirrored(device_.get());
    ASSERT_TRUE(a.draw(target.get(), &view, 30, 20, 0, true));
    EXPECT_TRUE(isBlue(pixelAt(*target, 20, 15)));
    EXPECT_TRUE(isRed(pixelAt(*target, 39, 24)));
}

TEST_F(SpriteAnimationTest, OpaqueAtFollowsTheMaskAndAnEmptyMaskHitsTheWholeFrame) {
    // Transparent in the left 4 columns only.
    const Bytes masked = image(10, 8, red, [](std::int32_t x, std::int32_t) { return x < 4; });
    SpriteAnimation a;
    ASSERT_TRUE(load(a, concat({record("FC", u32le(2)), record("TI", words({50, 50})), masked, image(10, 8, red)})));
    // Centred on (100, 50): the frame covers 95..104 by 46..53.
    struct Case {
        std::int32_t index, px, py;
        bool opaque;
    };
    const Case cases[] = {
        {0, 98, 50, false}, {0, 99, 50, true},  {0, 104, 53, true}, {0, 105, 50, false},
        {1, 95, 46, true},  {1, 104, 53, true}, {1, 94, 50, false}, {1, 100, 54, false},
        {2, 100, 50, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(a.opaqueAt(100, 50, c.index, c.px, c.py, false), c.opaque)
            << "frame " << c.index << " at " << c.px << "," << c.py;
    }
    EXPECT_FALSE(a.opaqueAt(100, 50, 0, 104, 50, true)) << "no mirrored frames yet";
    a.buildMirrored(device_.get());
    EXPECT_TRUE(a.opaqueAt(100, 50, 0, 100, 50, true));
    EXPECT_FALSE(a.opaqueAt(100, 50, 0, 101, 50, true));
    EXPECT_FALSE(a.opaqueAt(100, 50, 0, 104, 50, true));
}

// Frames wider than one tile must turn round as a whole, in every pixel format.
TEST(SpriteAnimationMirror, FlipsPicturesAndMasksInEveryFormat) {
    const platform::PixelFormat formats[] = {platform::kFormat565, platform::kFormat555, platform::kFormat24,
                                             platform::kFormat32};
    const std::int32_t w = 700;
    const Bytes frame = image(w, 4, redThenBlue(w), [](std::int32_t x, std::int32_t) { return x < 100; });
    for (const auto& format : formats) {
        auto device = platform::createOffscreenDevice(format);
        SpriteAnimation a;
        Entry entry(concat({record("FC", u32le(1)), record("TI", words({90})), frame}));
        ASSERT_TRUE(a.load(entry.stream(), device.get()));
        a.buildMirrored(device.get());
        ASSERT_TRUE(a.isMirroredBuilt());
        const Surface& plain = a.frame(0)->surface;
        const Surface& flipped = a.mirroredFrame(0)->surface;
        ASSERT_EQ(flipped.width(), w);
        for (std::int32_t x : {0, 99, 100, 349, 350, 639, 640, 699}) {
            EXPECT_EQ(flipped.isOpaqueAt(x, 2), plain.isOpaqueAt(w - 1 - x, 2)) << format.bitCount << " bit, x " << x;
        }
        EXPECT_EQ(a.mirroredFrame(0)->hotspotX(), w - a.frame(0)->hotspotX());
    }
}

}  // namespace
