#pragma once

#include <map>
#include <string>
#include <vector>

#include "fakes/archive_builder.h"

// The seven data files of a small game, built in memory, and the program file
// that carries them: a minimal ELF image with the ZIP appended.
namespace gamedata {

using fixture::Bytes;

struct Settings {
    std::int32_t width = 640;
    std::int32_t height = 480;
    std::int32_t roundMinutes = 1;
    std::int32_t roundSeconds = 30;
    std::int32_t magazineSize = 10;
    std::uint8_t hasTitleImage = 1;
    std::uint8_t hasHighscoreImage = 1;
    std::uint8_t hasEndImage = 1;
    std::uint8_t startFullscreen = 0;
    std::string highscoreName;
};

Bytes settingsRecord(const Settings& s);
// "JP" with a picture of one colour and a "PG" mask (empty: all opaque).
Bytes imageRecords(std::int32_t width, std::int32_t height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                   bool masked = false);
// "stuff.x": S1..S4, SS, then ST/SH/SE each followed by a picture. With
// settingsFirst the settings record comes before the sounds.
Bytes stuffFile(const Settings& s, bool settingsFirst = false);

// All seven entries with small pictures.
std::map<std::string, Bytes> gameFiles(const Settings& s = Settings{});

// A program file without data behind its image.
std::string writeBareProgram();

// Writes the program file into a fresh temporary folder and returns its path.
std::string writeProgram(const std::map<std::string, Bytes>& files);

}  // namespace gamedata
