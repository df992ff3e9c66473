#pragma once

#include <gtest/gtest.h>

#include "fake_program.h"

// A game with its window procedure on a scripted window system and a manual
// clock. The window exists; nothing is loaded.
class ShellTest : public ::testing::Test, protected FakeProgram {
protected:
    ShellTest() {
        app.registerWindowClass();
        game.window = windows.createWindow(Application::kClassName, Application::kTitle, platform::WS_OVERLAPPEDWINDOW, 0);
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
};
