#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "fake_program.h"
#include "game_data.h"
#include "shell/command_line.h"

// The game started on fakes from a program file built in the test.
class LoadedGameTest : public ::testing::Test, protected FakeProgram {
protected:
    LoadedGameTest() {
        windows.onClientRect = [this] { progress.push_back(game.screen.loadPercent); };
    }

    void start(const std::map<std::string, gamedata::Bytes>& files) {
        const std::string path = gamedata::writeProgram(files);
        copyCommandLine(("\"" + path + "\"").c_str(), game.commandLine, sizeof game.commandLine);
        app.registerWindowClass();
        ASSERT_TRUE(app.createMainWindow());
    }

    struct Colour {
        int r, g, b;
    };
    // A pixel of the back buffer, widened from 5-6-5.
    Colour pixel(std::int32_t x, std::int32_t y) {
        const std::uint32_t v = pixelAt(*game.display.backBuffer(), x, y);
        return Colour{static_cast<int>((v >> 11) & 0x1F) * 255 / 31, static_cast<int>((v >> 5) & 0x3F) * 255 / 63,
                      static_cast<int>(v & 0x1F) * 255 / 31};
    }
    static bool isGrey(const Colour& c) { return std::abs(c.r - c.g) < 12 && std::abs(c.g - c.b) < 12; }
    static bool isWhite(const Colour& c) { return c.r > 220 && c.g > 220 && c.b > 220; }

    std::vector<std::int32_t> progress;  // loadPercent at every frame
};

