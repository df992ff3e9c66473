#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "shell_fixture.h"

using namespace platform;

namespace {

struct EscapeCase {
    GameState from;
    GameState to;
    bool closes;
};

std::string escapeCaseName(const ::testing::TestParamInfo<EscapeCase>& info) {
    static const char* const names[] = {"Unloaded", "Loading", "Title", "Playing", "Highscore", "Credits"};
    return names[static_cast<int>(info.param.from)];
}

class EscapeTest : public ShellTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeTest, EscapeChangesStateOrClosesTheWindow) {
    const EscapeCase c = GetParam();
    game.state = c.from;
    EXPECT_EQ(send(WM_KEYDOWN, VK_ESCAPE), 0);
    EXPECT_EQ(game.state, c.to);
    EXPECT_EQ(closePosted(), c.closes);
    EXPECT_EQ(game.keyboard.size(), 1u) << "Escape is also a key like any other";
    EXPECT_TRUE(windows.defaulted.empty()) << "Escape is not passed on";
}

INSTANTIATE_TEST_SUITE_P(AllStates, EscapeTest,
                         ::testing::Values(EscapeCase{GameState::Unloaded, GameState::Unloaded, true},
                                           EscapeCase{GameState::Loading, GameState::Loading, true},
                                           EscapeCase{GameState::Title, GameState::Highscore, false},
                                           EscapeCase{GameState::Playing, GameState::Highscore, false},
                                           EscapeCase{GameState::Highscore, GameState::Credits, false},
                                           EscapeCase{GameState::Credits, GameState::Credits, true}),
                         escapeCaseName);

TEST_F(ShellTest, EscapeDuringARoundOffersNoScoreAndKeepsIt) {
    game.state = GameState::Playing;
    game.screen.score = 450;
    game.screen.highscores.newScore = 77;
    game.screen.highscores.revealX = 630;
    send(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(game.state, GameState::Highscore);
    EXPECT_EQ(game.screen.highscores.newScore, 0);
    EXPECT_EQ(game.screen.highscores.revealX, -1) << "a new showing starts covered";
    EXPECT_EQ(game.screen.score, 450);
}

TEST_F(ShellTest, ClosingFromTheCreditsEndsTheProgram) {
    game.state = GameState::Credits;
    send(WM_LBUTTONDOWN, 0, pointParam(5, 5));
    ASSERT_TRUE(closePosted());
    runPosted();
    EXPECT_FALSE(windows.windowAlive);
    platform::Message quit;
    EXPECT_FALSE(windows.getMessage(quit));
    EXPECT_EQ(quit.id, WM_QUIT);
    EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(ShellTest, ClickOnTheTitleStartsAFreshRound) {
    game.state = GameState::Title;
    game.screen.score = 99;
    game.screen.shotsLeft = 3;
    game.screen.secondsLeft = 7;
    clock.set(5000);
    send(WM_LBUTTONDOWN, 0, pointParam(100, 100));
    EXPECT_EQ(game.state, GameState::Playing);
    EXPECT_EQ(game.screen.score, 0);
    EXPECT_EQ(game.screen.shotsLeft, 10);
    EXPECT_EQ(game.screen.secondsLeft, 150) << "defaults: 2 minutes 30 seconds";
    EXPECT_EQ(game.screen.lastSecondTick, 5000u);
}

TEST_F(ShellTest, ClicksInStatesWithoutAMeaningDoNothing) {
    for (GameState s : {GameState::Unloaded, GameState::Loading}) {
        game.state = s;
        send(WM_LBUTTONDOWN, 0, pointParam(1, 1));
        send(WM_LBUTTONDBLCLK, 0, pointParam(1, 1));
        EXPECT_EQ(game.state, s);
        EXPECT_EQ(game.screen.shotsLeft, 10);
    }
    EXPECT_TRUE(windows.posted.empty());
}

TEST_F(ShellTest, ClickOnTheHighscoreScreenActsAsEnter) {
    game.state = GameState::Highscore;
    send(WM_LBUTTONDOWN, 0, pointParam(1, 1));
    EXPECT_FALSE(game.screen.highscores.done) << "ignored while the curtain still covers the table";
    uncoverHighscoreTable();
    send(WM_LBUTTONDOWN, 0, pointParam(1, 1));
    EXPECT_TRUE(game.screen.highscores.done);
    EXPECT_EQ(game.state, GameState::Highscore) << "the frame leaves the screen, not the click";
}

TEST_F(ShellTest, TypedCharactersReachTheTableOnlyOnItsScreen) {
    uncoverHighscoreTable();
    for (GameState s : {GameState::Unloaded, GameState::Loading, GameState::Title, GameState::Playing,
                        GameState::Credits}) {
        game.state = s;
        send(WM_CHAR, 13);
        EXPECT_FALSE(game.screen.highscores.done) << static_cast<int>(s);
    }
    game.state = GameState::Highscore;
    send(WM_CHAR, 13);
    EXPECT_TRUE(game.screen.highscores.done);
}

TEST_F(ShellTest, ShotsEmptyTheMagazineAndOnlyAnEmptyOneReloads) {
    game.state = GameState::Playing;
    for (int i = 0; i < 11; ++i) send(WM_LBUTTONDOWN, 0, pointParam(320, 200));
    EXPECT_EQ(game.screen.shotsLeft, 0);
    game.state = GameState::Title;  // reloading works on every screen
    send(WM_RBUTTONDOWN);
    EXPECT_EQ(game.screen.shotsLeft, 10);
    game.screen.shotsLeft = 4;
    send(WM_RBUTTONDOWN);
    EXPECT_EQ(game.screen.shotsLeft, 4);
}

TEST_F(ShellTest, ScoreNeverFallsBelowZero) {
    GameScreen& s = game.screen;
    s.addScore(300);
    s.addScore(-450);
    EXPECT_EQ(s.score, 0);
    s.addScore(500);
    s.addScore(-350);
    EXPECT_EQ(s.score, 150);
}

TEST_F(ShellTest, ReleaseAllResetsTheSettingsButKeepsTheRound) {
    GameScreen& s = game.screen;
    s.width = 800;
    s.magazineSize = 5;
    s.roundMinutes = 1;
    s.hasEndImage = true;
    s.startFullscreen = true;
    std::snprintf(s.highscoreName, sizeof s.highscoreName, "Shooter");
    s.score = 12;
    s.loadPercent = 60;
    s.releaseAll();
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.height, 480);
    EXPECT_EQ(s.magazineSize, 10);
    EXPECT_EQ(s.roundMinutes, 2);
    EXPECT_EQ(s.roundSeconds, 30);
    EXPECT_FALSE(s.hasEndImage);
    EXPECT_TRUE(s.startFullscreen);
    EXPECT_STREQ(s.highscoreName, "Shooter");
    EXPECT_EQ(s.score, 12);
    EXPECT_EQ(s.loadPercent, 60);
}

TEST_F(ShellTest, DestroyShutsDownAndPostsQuit) {
    game.state = GameState::Title;
    game.keyboard.keyDown(0x41);
    send(WM_CLOSE);  // default processing destroys the window
    EXPECT_FALSE(windows.windowAlive);
    EXPECT_TRUE(windows.quitPosted);
    EXPECT_EQ(windows.quitCode, 0);
    EXPECT_EQ(game.keyboard.size(), 0u);
}

}  // namespace
