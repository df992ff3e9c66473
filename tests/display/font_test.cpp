#include "display/font.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "display/recording_target.h"
#include "fakes/manual_clock.h"

namespace {

const platform::Rect kClip{0, 0, 640, 480};

class FontTest : public ::testing::Test {
protected:
    FontTest() {
        big_.setMetrics(2, 2, 23, 37, 2, 2, 18, 10);
        small_.setMetrics(0, 0, 16, 26, 0, 0, 12, 5);
        small_.sheet().create(208, 130, device_.get());
        big_.sheet().create(327, 236, device_.get());
    }

    std::unique_ptr<platform::VideoDevice> device_ = platform::createOffscreenDevice(platform::kFormat565);
    Font big_;
    Font small_;
};

TEST_F(FontTest, TextWidthCountsAdvances) {
    EXPECT_EQ(small_.textWidth("SCORE:"), 72);
    EXPECT_EQ(big_.textWidth("SCORE:"), 108);
    EXPECT_EQ(small_.textWidth("A \xE4"), 12 + 5 + 12);  // glyph-less but not a space: a full advance
    EXPECT_EQ(small_.textWidth(nullptr), 0);
}

TEST_F(FontTest, PenMovesBySpaceAdvanceForCharactersWithoutGlyph) {
    RecordingTarget target;
    small_.drawText(&target, &kClip, 10, 40, "A\xE4\xFC" "B C", false);
    ASSERT_EQ(target.transfers.size(), 3u);
    EXPECT_EQ(target.transfers[0].dest.left, 10);
    EXPECT_EQ(target.transfers[1].dest.left, 10 + 12 + 5 + 5);
    EXPECT_EQ(target.transfers[2].dest.left, 10 + 12 + 5 + 5 + 12 + 5);
    for (const auto& t : target.transfers) {
        EXPECT_EQ(t.dest.top, 40);
        EXPECT_EQ(t.flags, platform::kBltKeySource);
    }
    // "B" is cell 1: one cell to the right in the small sheet.
    EXPECT_TRUE(target.transfers[1].source == (platform::Rect{16, 0, 32, 26}));
}

TEST_F(FontTest, BarAndDashLieBelowTheSmallSheet) {
    RecordingTarget target;
    small_.drawText(&target, &kClip, 0, 0, "-|z", false);
    ASSERT_EQ(target.transfers.size(), 1u);
    EXPECT_EQ(target.transfers[0].dest.left, 24);
    big_.drawText(&target, &kClip, 0, 100, "-|", false);
    EXPECT_EQ(target.transfers.size(), 3u);
    EXPECT_FALSE(small_.drawGlyph(&target, &kClip, 0, 0, ' '));
    EXPECT_TRUE(small_.drawGlyph(nullptr, &kClip, 0, 0, 'A'));
}

TEST_F(FontTest, WobbleStaysInItsBandAndRepeatsAlongTheText) {
    for (std::uint32_t t = 0; t < 3000; t += 7) {
        for (std::int32_t x = -300; x < 900; x += 13) {
            const std::int32_t dy = Font::wobbleOffset(t, x);
            ASSERT_GE(dy, 0);
            ASSERT_LE(dy, 20);
        }
    }
    EXPECT_EQ(Font::wobbleOffset(0xFFFFFFF0u, 10), Font::wobbleOffset(0xFFFFFFF0u + 0u, 10));

    ManualClock clock(123456);
    RecordingTarget target;
    // 12 + 43 spaces of 5 + 12 + 12 puts the fourth glyph 251 pixels behind the first.
    const std::string text = "A" + std::string(43, ' ') + "AAA";
    small_.drawText(&target, &kClip, 20, 100, text.c_str(), true);
    ASSERT_EQ(target.transfers.size(), 4u);
    EXPECT_EQ(target.transfers[3].dest.left - target.transfers[0].dest.left, 251);
    EXPECT_LE(std::abs(target.transfers[3].dest.top - target.transfers[0].dest.top), 1);
    EXPECT_EQ(target.transfers[0].dest.top, 100 + Font::wobbleOffset(123456, 20));
}

}  // namespace
