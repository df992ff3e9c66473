#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loaded_game.h"
#include "shell/command_line.h"

using namespace platform;

namespace {

TEST_F(LoadedGameTest, ProgressFollowsTheEntrySizesAndEndsOnTheTitle) {
    gamedata::Settings settings;
    settings.highscoreName = "Test";
    const auto files = gamedata::gameFiles(settings);
    start(files);

    const std::int64_t stuff = static_cast<std::int64_t>(files.at("stuff.x").size());
    std::int64_t total = 0;
    for (const auto& f : files) total += static_cast<std::int64_t>(f.second.size());
    std::vector<std::int32_t> expected;
    std::int64_t done = stuff / 3;
    expected.push_back(static_cast<std::int32_t>(done * 100 / total));
    done = stuff / 3 + (2 * stuff) / 3;
    expected.push_back(static_cast<std::int32_t>(done * 100 / total));
    for (const char* name : {"back.nb", "figur.xx", "cur.nl", "font.nl", "fonts.nl", "muni.nl"}) {
        done += static_cast<std::int64_t>(files.at(name).size());
        expected.push_back(static_cast<std::int32_t>(done * 100 / total));
    }
    expected.push_back(100);
    EXPECT_EQ(progress, expected);

    EXPECT_EQ(game.state, GameState::Title);
    const GameScreen& s = game.screen;
    EXPECT_EQ(s.roundMinutes * 60 + s.roundSeconds, 90);
    EXPECT_STREQ(s.highscoreName, "Test");
    EXPECT_EQ(s.titleImage.width(), 640);
    EXPECT_EQ(s.titleImage.height(), 498);
    EXPECT_EQ(s.titleGrey.width(), 640);
    EXPECT_EQ(s.highscores.image.width(), 640);
    EXPECT_EQ(s.endImage.height(), 480);
    EXPECT_EQ(s.cursor.width(), 30);
    EXPECT_EQ(s.ammoIcon.width(), 25);
}

TEST_F(LoadedGameTest, WithoutTheTitleFlagTheTitleHasNoPicture) {
    gamedata::Settings settings;
    settings.hasTitleImage = 0;
    start(gamedata::gameFiles(settings));
    EXPECT_EQ(game.state, GameState::Title);
    EXPECT_TRUE(game.screen.titleImage.isEmpty());
    EXPECT_TRUE(game.screen.titleGrey.isEmpty());
    EXPECT_EQ(game.screen.endImage.width(), 640) << "the screen pictures are read all the same";
}

TEST_F(LoadedGameTest, SettingsBeforeTheSoundsEndTheFirstPhaseEarly) {
    gamedata::Settings settings;
    settings.roundSeconds = 5;
    auto files = gamedata::gameFiles(settings);
    files["stuff.x"] = gamedata::stuffFile(settings, true);
    start(files);
    EXPECT_EQ(game.screen.roundSeconds, 5);
    EXPECT_FALSE(game.screen.missSound.isLoaded());
    EXPECT_FALSE(game.screen.music.isLoaded());
}

TEST_F(LoadedGameTest, AMissingEntryKeepsTheLoadingScreen) {
    auto files = gamedata::gameFiles();
    files.erase("fonts.nl");
    start(files);
    EXPECT_EQ(game.state, GameState::Loading);
    ASSERT_FALSE(progress.empty());
    const std::int32_t reached = progress.back();
    EXPECT_LT(reached, 100);
    game.frame();
    EXPECT_EQ(progress.back(), reached) << "frames keep showing the progress reached";
    game.onLeftClick(10, 10);
    EXPECT_EQ(game.state, GameState::Loading) << "clicks do nothing";
    EXPECT_TRUE(game.onEscape()) << "Escape ends the program";
}

TEST_F(LoadedGameTest, WithoutAnArchiveTheGameStaysUnloaded) {
    // The program file exists but carries no archive; or there is no file at all.
    for (const std::string& path : {gamedata::writeBareProgram(), std::string("/nowhere/at/all")}) {
        copyCommandLine(("\"" + path + "\"").c_str(), game.commandLine, sizeof game.commandLine);
        EXPECT_FALSE(game.loadSettings());
        EXPECT_FALSE(game.loadAssets());
        EXPECT_EQ(game.state, GameState::Unloaded) << path;
        EXPECT_EQ(game.screen.width, 640);
        EXPECT_FALSE(game.screen.startFullscreen);
        EXPECT_TRUE(game.onEscape());
    }
}

TEST_F(LoadedGameTest, ASwitchOfTheDisplayLoadsEverythingAgain) {
    start(gamedata::gameFiles());
    ASSERT_EQ(game.state, GameState::Title);
    game.onLeftClick(100, 100);
    ASSERT_EQ(game.state, GameState::Playing);
    game.screen.score = 320;
    progress.clear();
    app.windowProcedure(game.window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(game.fullscreen);
    EXPECT_EQ(game.state, GameState::Title);
    EXPECT_EQ(progress.back(), 100);
    EXPECT_EQ(game.screen.score, 320) << "a switch does not end the round's numbers";
    EXPECT_EQ(game.screen.titleImage.width(), 640);
    EXPECT_EQ(video.devicesCreated(), 2);
}

TEST_F(LoadedGameTest, OversizedSettingsAreRefused) {
    gamedata::Settings settings;
    settings.width = 100000;
    settings.roundSeconds = 7;
    start(gamedata::gameFiles(settings));
    EXPECT_EQ(game.screen.width, 640);
    EXPECT_EQ(game.screen.height, 480);
    EXPECT_EQ(game.screen.roundSeconds, 7) << "what was read before the bad size stays";
}

}  // namespace
