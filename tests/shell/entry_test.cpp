#include <gtest/gtest.h>

#include "fake_program.h"
#include "platform/message_box.h"

using namespace platform;

namespace {

// The whole program on fakes: entry, window, loading, loop, end.
class EntryTest : public ::testing::Test, protected FakeProgram {};

TEST_F(EntryTest, WithoutItsDataTheGameStaysUnloadedAndEscapeEndsIt) {
    windows.script(WM_LBUTTONDOWN, 0, pointParam(10, 10));
    windows.script(WM_KEYDOWN, VK_ESCAPE);
    windows.emptyPeeksBeforeClose = 1000000;  // only the Escape may end it
    EXPECT_EQ(app.winMain("\"/nowhere/shooter\""), 0);
    EXPECT_EQ(game.state, GameState::Unloaded);
    EXPECT_FALSE(game.fullscreen);
    EXPECT_EQ(windows.outerWidth, 640 + 2 * windows.frameWidth);
    EXPECT_EQ(windows.outerHeight, 480 + windows.captionHeight + 2 * windows.frameHeight);
    EXPECT_EQ(video.devicesCreated(), 1);
    EXPECT_EQ(game.display.directDraw(), nullptr) << "the window's end released the display";
    ASSERT_FALSE(windows.posted.empty());
    EXPECT_EQ(windows.posted.back().id, WM_CLOSE);
}

TEST_F(EntryTest, AModeSwitchRebuildsTheDisplay) {
    windows.script(WM_SYSCHAR, 13);
    windows.emptyPeeksBeforeClose = 50;
    EXPECT_EQ(app.winMain("\"/nowhere/shooter\""), 0);
    EXPECT_TRUE(game.fullscreen);
    EXPECT_EQ(video.devicesCreated(), 2);
}

TEST(Entry, WithoutAVideoLibraryTheProgramTellsWhyAndEnds) {
    int boxes = 0;
    setMessageBoxSink([&boxes](const std::string& caption, const std::string&) {
        EXPECT_EQ(caption, "Fehler");
        ++boxes;
    });
    FakeProgram program(VideoSystem::Availability::Missing);
    EXPECT_EQ(program.app.winMain("\"/nowhere/shooter\""), 0);
    EXPECT_EQ(program.video.devicesCreated(), 0);
    EXPECT_EQ(program.windows.waits, 0) << "no message loop ran";
    EXPECT_EQ(boxes, 1);
    setMessageBoxSink({});
}

TEST_F(EntryTest, WithoutAWindowTheProgramEndsAtOnce) {
    windows.failCreate = true;
    EXPECT_EQ(app.winMain("\"/nowhere/shooter\""), 0);
    EXPECT_STREQ(game.commandLine, "/nowhere/shooter");
    EXPECT_EQ(game.state, GameState::Unloaded);
}

}  // namespace
