#include <gtest/gtest.h>

#include "loaded_game.h"
#include "shell/edge_scroll.h"
#include "shell/hud_text.h"

using namespace platform;

namespace {

TEST(EdgeScroll, BandsAndStepsAcrossThePicture) {
    struct Band {
        std::int32_t from, to, k;
    } bands[] = {{0, 20, -3},    {21, 120, -2},  {121, 220, -1}, {221, 419, 0},
                 {420, 519, 1},  {520, 619, 2},  {620, 639, 3}};
    for (const auto& b : bands) {
        EXPECT_EQ(edgeScrollBand(b.from, 640), b.k) << b.from;
        EXPECT_EQ(edgeScrollBand(b.to, 640), b.k) << b.to;
    }
    struct Step {
        std::int32_t mouseX;
        std::uint32_t elapsed;
        std::int32_t pixels;
    } steps[] = {{639, 16, 21}, {600, 16, 6}, {500, 16, 0}, {500, 20, 1}, {0, 16, -21}, {100, 16, -6}, {320, 1000, 0}};
    for (const auto& s : steps) EXPECT_EQ(edgeScrollStep(s.mouseX, 640, s.elapsed), s.pixels) << s.mouseX;
}

TEST(HudText, ClockAndScoreFormats) {
    EXPECT_EQ(clockText(90), "1:30");
    EXPECT_EQ(clockText(0), "0:00");
    EXPECT_EQ(clockText(605), "10:05");
    EXPECT_EQ(scoreText(0), "000000");
    EXPECT_EQ(scoreText(1234), "001234");
}

TEST_F(LoadedGameTest, TheRoundClockRunsOutIntoTheHighscoreScreen) {
    start(gamedata::gameFiles());
    ASSERT_EQ(game.state, GameState::Title);
    game.onLeftClick(320, 240);
    ASSERT_EQ(game.state, GameState::Playing);
    EXPECT_EQ(game.screen.secondsLeft, 90);
    game.screen.score = 1234;

    int framesAtZero = 0;
    int framesUntilEnd = 0;
    std::int32_t last = 90;
    while (game.state == GameState::Playing && framesUntilEnd < 2000) {
        clock.advance(250);
        const bool timeUpBefore = game.screen.timeUp;
        game.frame();
        ++framesUntilEnd;
        if (game.state != GameState::Playing) {
            EXPECT_TRUE(timeUpBefore) << "the frame after the one that ran out switches";
            break;
        }
        EXPECT_GE(last - game.screen.secondsLeft, 0);
        EXPECT_LE(last - game.screen.secondsLeft, 1) << "one second at most per frame";
        last = game.screen.secondsLeft;
        if (last == 0 && !game.screen.timeUp) ++framesAtZero;
    }
    EXPECT_EQ(game.state, GameState::Highscore);
    EXPECT_EQ(framesAtZero, 4) << "0:00 shows for one second";
    EXPECT_EQ(game.screen.highscores.newScore, 1234);
    EXPECT_EQ(game.screen.score, 0);
    EXPECT_FALSE(game.screen.timeUp);
    EXPECT_GE(framesUntilEnd, 91 * 4);
}

TEST_F(LoadedGameTest, TheHudShowsOneCartridgePerShotFromTheRight) {
    start(gamedata::gameFiles());
    game.onLeftClick(320, 240);
    game.mouseX = 320;  // keep the landscape still
    for (std::int32_t shots : {10, 3, 0}) {
        game.screen.shotsLeft = shots;
        game.frame();
        for (std::int32_t i = 0; i < 11; ++i) {
            const Colour c = pixel(640 - 45 - 25 * i + 12, 480 - 60 + 12);
            EXPECT_EQ(!isGrey(c), i < shots) << "cartridge " << i << " of " << shots;
        }
    }
}

TEST_F(LoadedGameTest, HalfwayThroughLoadingTheLeftHalfOfTheTitleIsInColour) {
    start(gamedata::gameFiles());
    game.state = GameState::Loading;
    game.screen.loadPercent = 50;
    game.frame();
    EXPECT_FALSE(isGrey(pixel(10, 100)));
    EXPECT_FALSE(isGrey(pixel(319, 100)));
    EXPECT_TRUE(isGrey(pixel(320, 100)));
    EXPECT_TRUE(isGrey(pixel(630, 100)));
}

TEST_F(LoadedGameTest, TheCreditsEnterFromTheRightAtAHundredPixelsASecond) {
    start(gamedata::gameFiles());
    game.state = GameState::Credits;
    auto whiteIn = [this](std::int32_t fromX, std::int32_t toX) {
        for (std::int32_t x = fromX; x < toX; ++x) {
            for (std::int32_t y = 440; y < 480; ++y) {
                if (isWhite(pixel(x, y))) return true;
            }
        }
        return false;
    };
    game.frame();
    EXPECT_FALSE(whiteIn(0, 640)) << "the text starts just beyond the right edge";
    clock.advance(1000);
    game.frame();
    EXPECT_TRUE(whiteIn(540, 560));
    EXPECT_FALSE(whiteIn(0, 540));
}

TEST_F(LoadedGameTest, AFinishedTableReturnsToTheTitle) {
    start(gamedata::gameFiles());
    game.state = GameState::Highscore;
    game.screen.highscores.done = true;
    game.frame();
    EXPECT_EQ(game.state, GameState::Title);
    EXPECT_FALSE(game.screen.highscores.done);
}

}  // namespace
