#pragma once

#include <gtest/gtest.h>

#include "fakes/headless_video.h"
#include "fakes/manual_clock.h"
#include "fakes/scripted_window_system.h"
#include "shell/application.h"
#include "shell/game.h"
#include "sound/sound_device.h"

// A game with its window procedure on a scripted window system and a manual
// clock. The window exists; nothing is loaded.
class ShellTest : public ::testing::Test {
protected:
    ShellTest() : game(services()), sound(nullptr), app(game, sound, windows) {
        app.registerWindowClass();
        game.window = windows.createWindow(Application::kClassName, Application::kTitle, platform::WS_OVERLAPPEDWINDOW, 0);
    }

    platform::Services services() {
        platform::Services s;
        s.windows = &windows;
        s.video = &video;
        return s;
    }

    platform::MessageResult send(std::uint32_t id, platform::WParam wParam = 0, platform::LParam lParam = 0) {
        return app.windowProcedure(game.window, id, wParam, lParam);
    }

    bool closePosted() const {
        for (const auto& m : windows.posted) {
            if (m.id == platform::WM_CLOSE) return true;
        }
        return false;
    }

    // Dispatches what the window procedure posted, as the loop would, up to the quit.
    void runPosted() {
        platform::Message m;
        while (windows.peekMessage() && !windows.quitPosted) {
            if (!windows.getMessage(m)) return;
            windows.dispatchMessage(m);
        }
    }

    void uncoverHighscoreTable() { game.screen.highscores.revealX = game.screen.width - 10; }

    ManualClock clock;
    ScriptedWindowSystem windows;
    HeadlessVideo video;
    Game game;
    SoundDevice sound;
    Application app;
};
