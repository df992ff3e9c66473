#include <gtest/gtest.h>

#include "fakes/headless_video.h"
#include "fakes/manual_clock.h"
#include "fakes/scripted_window_system.h"
#include "platform/message_box.h"
#include "shell/application.h"
#include "shell/game.h"
#include "sound/sound_device.h"

using namespace platform;

namespace {

// The whole program on fakes: entry, window, loading, loop, end.
class EntryTest : public ::testing::Test {
protected:
    EntryTest() : game(services()), sound(nullptr), app(game, sound, windows) {}

    Services services() {
        Services s;
        s.windows = &windows;
        s.video = &video;
        return s;
    }

    ManualClock clock;
    ScriptedWindowSystem windows;
    HeadlessVideo video;
    Game game;
    SoundDevice sound;
    Application app;
};

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
    ManualClock clock;
    ScriptedWindowSystem windows;
    HeadlessVideo video(kFormat565, VideoSystem::Availability::Missing);
    Services s;
    s.windows = &windows;
    s.video = &video;
    Game game(s);
    SoundDevice sound(nullptr);
    Application app(game, sound, windows);
    EXPECT_EQ(app.winMain("\"/nowhere/shooter\""), 0);
    EXPECT_EQ(video.devicesCreated(), 0);
    EXPECT_EQ(windows.waits, 0) << "no message loop ran";
    EXPECT_EQ(boxes, 1);
    setMessageBoxSink({});
}

}  // namespace
