#include "display/surface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "display/recording_target.h"
#include "fakes/headless_video.h"
#include "platform/message_box.h"

namespace {

using platform::PixelFormat;
using platform::Rect;

struct Format {
    const char* name;
    PixelFormat format;
};

const Format kFormats[] = {{"rgb565", platform::kFormat565},
                           {"rgb555", platform::kFormat555},
                           {"bgr24", platform::kFormat24},
                           {"xrgb32", platform::kFormat32}};

// A colour that survives the trip through every format unchanged.
void exactColour(std::int32_t x, std::uint8_t* bgr) {
    bgr[0] = static_cast<std::uint8_t>((x * 8) & 0xF8);
    bgr[1] = static_cast<std::uint8_t>((x * 24 + 64) & 0xF8);
    bgr[2] = static_cast<std::uint8_t>((255 - x * 8) & 0xF8);
}

class SurfaceFormats : public ::testing::TestWithParam<Format> {
protected:
    SurfaceFormats() : device_(platform::createOffscreenDevice(GetParam().format)) {}

    // A picture of the given size with rows of exact colours; transparent
    // where the predicate says so.
    void paint(Surface& s, std::int32_t w, std::int32_t h, bool (*transparent)(std::int32_t, std::int32_t)) {
        ASSERT_TRUE(s.create(w, h, device_.get()));
        ASSERT_TRUE(s.lock());
        std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 3);
        std::vector<std::uint8_t> mask(static_cast<std::size_t>(w));
        for (std::int32_t y = 0; y < h; ++y) {
            for (std::int32_t x = 0; x < w; ++x) {
                exactColour(x, &row[static_cast<std::size_t>(x) * 3]);
                mask[static_cast<std::size_t>(x)] = transparent && transparent(x, y) ? 1 : 0;
            }
            ASSERT_TRUE(s.writeRow(row.data(), y, true));
            ASSERT_TRUE(s.applyMaskRow(mask.data(), y));
        }
        ASSERT_TRUE(s.unlock());
    }

    std::unique_ptr<platform::VideoDevice> device_;
};

TEST_P(SurfaceFormats, TilesCoverThePictureRowByRow) {
    struct Case {
        std::int32_t w, h;
        std::vector<Surface::Box> tiles;
    };
    const Case cases[] = {
        {1280, 960, {{0, 0, 640, 480}, {640, 0, 640, 480}, {0, 480, 640, 480}, {640, 480, 640, 480}}},
        {2500, 480, {{0, 0, 640, 480}, {640, 0, 640, 480}, {1280, 0, 640, 480}, {1920, 0, 580, 480}}},
        {640, 498, {{0, 0, 640, 480}, {0, 480, 640, 18}}},
    };
    for (const Case& c : cases) {
        Surface s;
        ASSERT_TRUE(s.create(c.w, c.h, device_.get()));
        EXPECT_EQ(s.width(), c.w);
        EXPECT_EQ(s.height(), c.h);
        ASSERT_EQ(s.tileCount(), static_cast<std::int32_t>(c.tiles.size())) << c.w << "x" << c.h;
        for (std::int32_t i = 0; i < s.tileCount(); ++i) {
            const Surface::Box& t = s.tileRect(i);
            const Surface::Box& e = c.tiles[static_cast<std::size_t>(i)];
            EXPECT_EQ(t.x, e.x);
            EXPECT_EQ(t.y, e.y);
            EXPECT_EQ(t.width, e.width);
            EXPECT_EQ(t.height, e.height);
        }
    }
}

TEST_P(SurfaceFormats, CreateWithoutSizeFailsAndLeavesItEmpty) {
    Surface s;
    ASSERT_TRUE(s.create(30, 30, device_.get()));
    EXPECT_FALSE(s.create(0, 10, device_.get()));
    EXPECT_TRUE(s.isEmpty());
    EXPECT_EQ(s.width(), 0);
    EXPECT_EQ(s.height(), 0);
    EXPECT_FALSE(Surface().create(10, 10, nullptr));
}

TEST_P(SurfaceFormats, KeyGreyPictureStaysOpaque) {
    Surface s;
    ASSERT_TRUE(s.create(2, 1, device_.get()));
    ASSERT_TRUE(s.lock());
    const std::uint8_t row[6] = {180, 180, 180, 180, 180, 180};
    const std::uint8_t mask[2] = {0, 1};
    ASSERT_TRUE(s.writeRow(row, 0, true));
    ASSERT_TRUE(s.applyMaskRow(mask, 0));
    std::uint8_t back[6] = {};
    ASSERT_TRUE(s.readRow(back, 0, false));
    ASSERT_TRUE(s.unlock());
    EXPECT_TRUE(s.isOpaqueAt(0, 0));
    EXPECT_FALSE(s.isOpaqueAt(1, 0));
    EXPECT_FALSE(s.isOpaqueAt(2, 0));
    EXPECT_FALSE(s.isOpaqueAt(-1, 0));
    EXPECT_EQ(s.recordedFormat().bitCount, GetParam().format.bitCount);
    if (GetParam().format.bitCount >= 24) {
        EXPECT_EQ(back[0], 180);
        EXPECT_EQ(back[1], 184);
        EXPECT_EQ(back[2], 180);
    }
}

TEST_P(SurfaceFormats, MirroredReadReversesEachTileSpan) {
    for (std::int32_t w : {58, 700}) {
        Surface s;
        paint(s, w, 2, nullptr);
        ASSERT_TRUE(s.lock());
        std::vector<std::uint8_t> row(static_cast<std::size_t>(w) * 3);
        ASSERT_TRUE(s.readRow(row.data(), 1, true));
        ASSERT_TRUE(s.unlock());
        // Each tile's span is reversed on its own: 0..639 and 640..699.
        for (std::int32_t x = 0; x < w; ++x) {
            const std::int32_t spanStart = x < 640 ? 0 : 640;
            const std::int32_t spanEnd = x < 640 ? std::min(w, 640) : w;
            std::uint8_t expected[3];
            exactColour(spanEnd - 1 - (x - spanStart), expected);
            ASSERT_EQ(0, std::memcmp(&row[static_cast<std::size_t>(x) * 3], expected, 3)) << "w " << w << " x " << x;
        }
    }
}

TEST_P(SurfaceFormats, RowOperationsNeedALock) {
    Surface s;
    ASSERT_TRUE(s.create(4, 4, device_.get()));
    std::uint8_t row[12] = {};
    EXPECT_FALSE(s.writeRow(row, 0, true));
    EXPECT_FALSE(s.readRow(row, 0, false));
    Surface empty;
    EXPECT_TRUE(empty.writeRow(row, 0, true));

    // A second lock finds the tiles busy; it fails without taking the first one's tiles away.
    Surface wide;
    ASSERT_TRUE(wide.create(700, 2, device_.get()));
    ASSERT_TRUE(wide.lock());
    EXPECT_FALSE(wide.lock());
    EXPECT_TRUE(wide.isTileLocked(0));
    EXPECT_TRUE(wide.isTileLocked(1));
    std::vector<std::uint8_t> wideRow(700 * 3, 7);
    EXPECT_TRUE(wide.writeRow(wideRow.data(), 1, true));
    EXPECT_TRUE(wide.unlock());
    EXPECT_FALSE(wide.unlock());
}

TEST_P(SurfaceFormats, FillGreyIsJustUnderHalfOfEachChannel) {
    auto target = device_->createSurface(8, 8);
    const Rect rect{2, 2, 6, 6};
    EXPECT_TRUE(Surface::fillGrey(target.get(), &rect));
    const std::uint32_t expected = GetParam().format.bitCount == 16
                                       ? (GetParam().format.greenMask == 0x07E0 ? 0x7BEFu : 0x3DEFu)
                                       : 0x7F7F7Fu;
    EXPECT_EQ(pixelAt(*target, 3, 3) & 0xFFFFFF, expected);
    EXPECT_EQ(pixelAt(*target, 1, 1) & 0xFFFFFF, 0u);
}

bool ring(std::int32_t x, std::int32_t y) { return (x - 15) * (x - 15) + (y - 15) * (y - 15) > 100; }

TEST_P(SurfaceFormats, KeyedDrawingLeavesTheTargetUnderKeyPixels) {
    Surface picture;
    paint(picture, 30, 30, ring);
    for (float scale : {100.0f, 200.0f}) {
        auto target = device_->createSurface(100, 100);
        const Rect all{0, 0, 100, 100};
        ASSERT_TRUE(target->colorFill(&all, 0x1234));
        const std::uint32_t background = pixelAt(*target, 0, 0);
        const std::int32_t s = static_cast<std::int32_t>(scale / 100.0f);
        ASSERT_TRUE(picture.draw(target.get(), &all, 10.0f, 20.0f, true, scale));
        platform::PixelFormat f = GetParam().format;
        for (std::int32_t y = 0; y < 30 * s; ++y) {
            for (std::int32_t x = 0; x < 30 * s; ++x) {
                const std::uint32_t got = pixelAt(*target, 10 + x, 20 + y);
                if (ring(x / s, y / s)) {
                    ASSERT_EQ(got, background) << x << "," << y << " at " << scale;
                } else {
                    ASSERT_NE(got, background) << x << "," << y;
                    (void)f;
                }
            }
        }
        EXPECT_EQ(pixelAt(*target, 9, 20), background);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormats, SurfaceFormats, ::testing::ValuesIn(kFormats),
                         [](const ::testing::TestParamInfo<Format>& info) { return std::string(info.param.name); });

class Surface565 : public ::testing::Test {
protected:
    std::unique_ptr<platform::VideoDevice> device_ = platform::createOffscreenDevice(platform::kFormat565);
};

TEST_F(Surface565, ColoursThatConvertToTheKeyAreMovedOffIt) {
    Surface s;
    ASSERT_TRUE(s.create(1, 1, device_.get()));
    const std::uint8_t nearKey[3] = {177, 181, 183};  // blue, green, red
    for (bool avoid : {true, false}) {
        ASSERT_TRUE(s.lock());
        ASSERT_TRUE(s.writeRow(nearKey, 0, avoid));
        ASSERT_TRUE(s.unlock());
        EXPECT_EQ(s.isOpaqueAt(0, 0), avoid);
    }
    auto target = device_->createSurface(1, 1);
    ASSERT_TRUE(s.lock());
    ASSERT_TRUE(s.writeRow(nearKey, 0, true));
    ASSERT_TRUE(s.unlock());
    const Rect all{0, 0, 1, 1};
    ASSERT_TRUE(s.draw(target.get(), &all, 0, 0, false, 100));
    EXPECT_EQ(pixelAt(*target, 0, 0), 0xB5D6u);
}

TEST_F(Surface565, DrawComputesTheWorkedRectangles) {
    struct Case {
        std::int32_t size;
        float x, y, scale;
        Rect dest, source;
    };
    const Case cases[] = {
        {30, -10, 5, 100, {0, 5, 20, 35}, {10, 0, 30, 30}},
        {100, 0, 0, 50, {0, 0, 50, 50}, {0, 0, 99, 99}},
    };
    for (const Case& c : cases) {
        Surface s;
        ASSERT_TRUE(s.create(c.size, c.size, device_.get()));
        RecordingTarget target;
        const Rect clip{0, 0, 640, 480};
        ASSERT_TRUE(s.draw(&target, &clip, c.x, c.y, false, c.scale));
        ASSERT_EQ(target.transfers.size(), 1u);
        EXPECT_TRUE(target.transfers[0].dest == c.dest);
        EXPECT_TRUE(target.transfers[0].source == c.source);
    }
}

TEST_F(Surface565, DrawingOutsideTheClipSucceedsWithoutTransfers) {
    Surface s;
    ASSERT_TRUE(s.create(700, 30, device_.get()));
    RecordingTarget target;
    const Rect clip{0, 0, 640, 480};
    EXPECT_TRUE(s.draw(&target, &clip, 640, 0, true, 100));
    EXPECT_TRUE(s.draw(&target, &clip, -700, 0, true, 100));
    EXPECT_TRUE(s.draw(&target, &clip, 0, 480.5f, false, 100));
    EXPECT_TRUE(target.transfers.empty());
    EXPECT_FALSE(s.draw(nullptr, &clip, 0, 0, false, 100));
    EXPECT_FALSE(s.draw(&target, nullptr, 0, 0, false, 100));
}

TEST_F(Surface565, TileReachingPastTheClipIsSkippedWhole) {
    Surface s;
    ASSERT_TRUE(s.create(30, 30, device_.get()));
    RecordingTarget target;
    // A clip reaching left of the target does not let a tile start there: it
    // is left out, not cut to the target.
    const Rect clip{-20, -20, 640, 480};
    ASSERT_TRUE(s.draw(&target, &clip, -10, 5, false, 100));
    ASSERT_TRUE(s.draw(&target, &clip, 5, -10, false, 100));
    EXPECT_TRUE(target.transfers.empty());
}

TEST_F(Surface565, DrawPartPlacesTheWantedPartAtThePoint) {
    Surface s;
    ASSERT_TRUE(s.create(208, 130, device_.get()));
    RecordingTarget target;
    const Rect clip{0, 0, 640, 480};
    ASSERT_TRUE(s.drawPart(&target, &clip, 100, 50, 32, 26, 16, 26, true));
    ASSERT_EQ(target.transfers.size(), 1u);
    EXPECT_TRUE(target.transfers[0].dest == (Rect{100, 50, 116, 76}));
    EXPECT_TRUE(target.transfers[0].source == (Rect{32, 26, 48, 52}));
}

TEST(SurfaceLayout, UnknownSixteenBitLayoutIsReportedOnce) {
    const PixelFormat bgr565{16, 0x001F, 0x07E0, 0xF800};
    auto device = platform::createOffscreenDevice(bgr565);
    std::vector<std::string> boxes;
    platform::setMessageBoxSink([&](const std::string& caption, const std::string& text) {
        boxes.push_back(caption + "|" + text);
    });
    Surface s;
    ASSERT_TRUE(s.create(4, 4, device.get()));
    auto target = device->createSurface(4, 4);
    const Rect clip{0, 0, 4, 4};
    s.draw(target.get(), &clip, 0, 0, true, 100);  // nothing stored yet: no layout to report
    EXPECT_TRUE(boxes.empty());
    ASSERT_TRUE(s.lock());
    const std::uint8_t row[12] = {1, 2, 3};
    EXPECT_TRUE(s.writeRow(row, 0, true));  // nothing stored, not a failure
    ASSERT_TRUE(s.unlock());
    s.draw(target.get(), &clip, 0, 0, true, 100);
    s.draw(target.get(), &clip, 0, 0, true, 100);
    platform::setMessageBoxSink({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Farbconf|R: 0000001f\nG: 000007e0\nB: 0000f800\n");
}

// Hands out surfaces that already hold a colour, so that a store of 0 shows.
class PrefilledDevice : public platform::VideoDevice {
public:
    PrefilledDevice(const PixelFormat& format, std::uint32_t fill)
        : inner_(platform::createOffscreenDevice(format)), fill_(fill) {}
    PixelFormat displayFormat() const override { return inner_->displayFormat(); }
    bool setCooperativeLevel(platform::WindowHandle w, bool full) override {
        return inner_->setCooperativeLevel(w, full);
    }
    bool setDisplayMode(std::int32_t w, std::int32_t h, std::int32_t bits) override {
        return inner_->setDisplayMode(w, h, bits);
    }
    void restoreDisplayMode() override { inner_->restoreDisplayMode(); }
    std::unique_ptr<platform::VideoSurface> createPrimarySurface(std::int32_t count) override {
        return inner_->createPrimarySurface(count);
    }
    std::unique_ptr<platform::VideoSurface> createSurface(std::int32_t w, std::int32_t h) override {
        auto surface = inner_->createSurface(w, h);
        if (surface) surface->colorFill(nullptr, fill_);
        return surface;
    }
    std::unique_ptr<platform::VideoClipper> createClipper() override { return inner_->createClipper(); }
    void clientToScreen(platform::WindowHandle w, std::int32_t& x, std::int32_t& y) override {
        inner_->clientToScreen(w, x, y);
    }

private:
    std::unique_ptr<platform::VideoDevice> inner_;
    std::uint32_t fill_;
};

TEST(SurfaceLayout, UnknownSixteenBitLayoutMasksWithZero) {
    PrefilledDevice device(PixelFormat{16, 0x001F, 0x07E0, 0xF800}, 0x1234);
    Surface s;
    ASSERT_TRUE(s.create(2, 1, &device));
    ASSERT_TRUE(s.lock());
    const std::uint8_t row[6] = {1, 2, 3, 4, 5, 6};
    const std::uint8_t mask[2] = {0, 1};
    ASSERT_TRUE(s.writeRow(row, 0, true));  // records the layout, stores nothing
    ASSERT_TRUE(s.applyMaskRow(mask, 0));
    ASSERT_TRUE(s.unlock());
    auto target = device.createSurface(2, 1);
    const Rect clip{0, 0, 2, 1};
    ASSERT_TRUE(s.draw(target.get(), &clip, 0, 0, false, 100));
    EXPECT_EQ(pixelAt(*target, 0, 0), 0x1234u);
    EXPECT_EQ(pixelAt(*target, 1, 0), 0u);
}

}  // namespace
