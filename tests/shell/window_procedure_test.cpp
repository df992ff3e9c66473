#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/command_line.h"
#include "shell_fixture.h"

using namespace platform;

namespace {

TEST_F(ShellTest, MinimisingStopsFramesAndRestoringStartsThem) {
    send(WM_ACTIVATE, activateParam(WA_ACTIVE, false));
    EXPECT_TRUE(game.active);
    send(WM_ACTIVATE, activateParam(WA_INACTIVE, false));
    EXPECT_TRUE(game.active) << "losing the focus alone keeps the frames running";
    send(WM_ACTIVATE, activateParam(WA_INACTIVE, true));
    EXPECT_FALSE(game.active);
    send(WM_ACTIVATE, activateParam(WA_ACTIVE, false));
    EXPECT_TRUE(game.active);
}

TEST_F(ShellTest, AltEnterAsksForTheOtherMode) {
    EXPECT_EQ(send(WM_SYSCHAR, 13), 0);
    ASSERT_EQ(windows.posted.size(), 1u);
    EXPECT_EQ(windows.posted[0].id, WM_SYSCOMMAND);
    EXPECT_EQ(windows.posted[0].wParam, SC_MAXIMIZE);
    game.fullscreen = true;
    send(WM_SYSCHAR, 13);
    EXPECT_EQ(windows.posted.back().wParam, SC_RESTORE);
    send(WM_SYSCHAR, 'a');
    EXPECT_EQ(windows.posted.size(), 2u);
}

TEST_F(ShellTest, MaximiseSwitchesToFullScreenAndRestoreBack) {
    game.state = GameState::Playing;
    send(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(game.fullscreen) << "a restore in the framed window only restores";
    EXPECT_EQ(windows.style(game.window), WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(game.state, GameState::Playing);

    send(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_TRUE(game.fullscreen);
    EXPECT_EQ(windows.style(game.window), WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(windows.exStyle, WS_EX_TOPMOST);
    EXPECT_EQ(windows.defaulted.back().wParam, SC_MAXIMIZE) << "the command still gets its default processing";

    send(WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(game.fullscreen);
    EXPECT_EQ(windows.style(game.window), WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(windows.exStyle, 0u);
    EXPECT_EQ(windows.dropTopmostCalls, 1);
}

TEST_F(ShellTest, ModeSwitchDropsTheLoadedSettings) {
    game.screen.width = 800;
    game.screen.hasTitleImage = true;
    send(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_EQ(game.screen.width, 640);
    EXPECT_FALSE(game.screen.hasTitleImage);
}

TEST_F(ShellTest, CursorHidesOverTheClientAreaAndShowsOverTheFrame) {
    windows.cursorCount = 2;  // some other code showed it twice
    send(WM_MOUSEMOVE, 0, pointParam(10, 20));
    EXPECT_EQ(windows.cursorCount, -1);
    EXPECT_EQ(windows.cursorCalls.size(), 3u);
    EXPECT_TRUE(app.cursorHidden());
    send(WM_MOUSEMOVE, 0, pointParam(11, 21));
    EXPECT_EQ(windows.cursorCalls.size(), 3u) << "repeated moves leave the count alone";
    EXPECT_EQ(game.mouseX, 11);
    EXPECT_EQ(game.mouseY, 21);
    send(WM_NCMOUSEMOVE);
    EXPECT_EQ(windows.cursorCount, 0);
    EXPECT_FALSE(app.cursorHidden());
    send(WM_NCMOUSEMOVE);
    EXPECT_EQ(windows.cursorCalls.size(), 4u);
}

TEST_F(ShellTest, MouseCoordinatesAreSignedWords) {
    send(WM_MOUSEMOVE, 0, pointParam(-5, -7));
    EXPECT_EQ(game.mouseX, -5);
    EXPECT_EQ(game.mouseY, -7);
}

TEST_F(ShellTest, TheFramedWindowCannotBeResized) {
    windows.moveWindow(game.window, 0, 0, 100, 100);
    EXPECT_EQ(windows.lastLimits.minTrackWidth, 640 + 2 * 4);
    EXPECT_EQ(windows.lastLimits.maxTrackWidth, 640 + 2 * 4);
    EXPECT_EQ(windows.lastLimits.minTrackHeight, 480 + 23 + 2 * 4);
    EXPECT_EQ(windows.lastLimits.maxTrackHeight, 480 + 23 + 2 * 4);
    EXPECT_EQ(windows.outerWidth, 648);

    game.fullscreen = true;
    windows.moveWindow(game.window, 0, 0, 1920, 1080);
    EXPECT_EQ(windows.outerWidth, 1920) << "full screen sets no limits";
    EXPECT_EQ(windows.defaulted.back().id, WM_GETMINMAXINFO);
}

TEST_F(ShellTest, KeysReachTheKeyboard) {
    send(WM_KEYDOWN, VK_RIGHT);
    send(WM_KEYDOWN, VK_RIGHT);  // auto-repeat
    EXPECT_EQ(game.keyboard.size(), 1u);
    send(WM_KEYUP, VK_RIGHT);
    KeyEntry* e = game.keyboard.nextKey();
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->down);
}

TEST_F(ShellTest, EnterOutsideTheHighscoreScreenDoesNothing) {
    game.state = GameState::Title;
    send(WM_KEYDOWN, VK_RETURN);
    send(WM_CHAR, 13);
    EXPECT_EQ(game.state, GameState::Title);
    EXPECT_TRUE(windows.posted.empty());
}

TEST_F(ShellTest, TheLoopRunsFramesOnlyWhileNotMinimisedAndMessagesComeFirst) {
    game.active = false;
    windows.script(WM_KEYDOWN, VK_RIGHT);
    windows.script(WM_ACTIVATE, activateParam(WA_ACTIVE, false));
    windows.emptyPeeksBeforeClose = 20;
    const std::uint32_t start = clock.now();
    EXPECT_EQ(app.messageLoop(), 0);
    // Each frame sleeps one millisecond on the manual clock.
    EXPECT_EQ(clock.now() - start, 19u);
    EXPECT_FALSE(windows.windowAlive);
}

TEST_F(ShellTest, AMinimisedWindowWaitsInsteadOfRunningFrames) {
    game.active = false;
    const std::uint32_t start = clock.now();
    EXPECT_EQ(app.messageLoop(), 0);
    EXPECT_EQ(clock.now(), start);
    EXPECT_GE(windows.waits, 1);
}

struct CommandLineCase {
    std::string in;
    bool accepted;
    std::string out;
};

TEST(CommandLine, QuotesAreRemovedAndOverlongLinesRefused) {
    const std::string longPath(1023, 'x');
    const CommandLineCase cases[] = {
        {"\"/opt/games/shooter\"", true, "/opt/games/shooter"},
        {"\"/opt/my games/shooter\" -x \"a b\"", true, "/opt/my games/shooter -x a b"},
        {"", true, ""},
        {longPath, true, longPath},
        {"\"" + longPath + "\"", true, longPath},
        {longPath + "y", false, ""},
        {std::string(5000, 'z'), false, ""},
    };
    for (const auto& c : cases) {
        char buffer[Game::kCommandLineBytes];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(copyCommandLine(c.in.c_str(), buffer, sizeof buffer), c.accepted) << c.in.size();
        EXPECT_EQ(std::string(buffer), c.out);
    }
}

}  // namespace
