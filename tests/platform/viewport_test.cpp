#include <gtest/gtest.h>

#include "platform/viewport.h"

using platform::pictureViewport;
using platform::windowedScale;

namespace {

TEST(Viewport, WholeFactorsFillTheWindowAndOtherSizesGetBars) {
    struct Case {
        int ww, wh, x, y, w, h;
    } cases[] = {
        {640, 480, 0, 0, 640, 480},      // 1x
        {1280, 960, 0, 0, 1280, 960},    // 2x
        {1280, 1024, 0, 32, 1280, 960},  // bars above and below
        {1920, 1080, 240, 0, 1440, 1080},// bars left and right
        {0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const auto v = pictureViewport(c.ww, c.wh, 640, 480);
        EXPECT_EQ(v.x, c.x) << c.ww << "x" << c.wh;
        EXPECT_EQ(v.y, c.y) << c.ww << "x" << c.wh;
        EXPECT_EQ(v.w, c.w) << c.ww << "x" << c.wh;
        EXPECT_EQ(v.h, c.h) << c.ww << "x" << c.wh;
    }
}

TEST(Viewport, TheFramedWindowScalesByTheLargestWholeFactorThatFits) {
    EXPECT_EQ(windowedScale(1920, 1040, 640, 480), 2);
    EXPECT_EQ(windowedScale(1280, 1024, 640, 480), 2);
    EXPECT_EQ(windowedScale(3840, 2100, 640, 480), 4);
    EXPECT_EQ(windowedScale(1024, 768, 640, 480), 1);
    EXPECT_EQ(windowedScale(320, 200, 640, 480), 1) << "never below 1";
}

}  // namespace
