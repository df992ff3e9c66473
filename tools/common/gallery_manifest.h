#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace datatools {

// What a gallery folder holds, as its manifest.json names it. Paths are
// relative to the folder. The generator writes one; the packer reads any.
struct PictureRef {
    std::string picture;  // JPEG
    std::string mask;     // 1-bit PNG; empty when the picture is opaque
};

struct FrameRef {
    PictureRef image;
    int duration = 100;               // milliseconds, 1..4095
    std::optional<int> hotspotX;      // where a death burst is centred
    std::optional<int> hotspotY;
};

struct AnimationRef {
    std::vector<FrameRef> frames;
};

struct FigureRef {
    int id = 0;
    int baseY = 0;
    int ySpread = 0;
    int layer = 0;
    int baseSpeed = 0;
    int speedSpread = 0;
    int points = 0;
    int maxCount = 0;
    int hitPoints = 1;
    int spawnChance = 0;
    int motionMode = 0;
    bool mirrored = false;
    std::string sound;  // Ogg; empty for a silent figure
    std::optional<AnimationRef> death;
};

// The moving look of every figure type with the same id.
struct LookRef {
    int id = 0;
    AnimationRef animation;
};

struct Settings {
    int width = 640;
    int height = 480;
    int roundMinutes = 1;
    int roundSeconds = 30;
    int magazineSize = 10;
    bool startFullscreen = true;
    std::string highscoreName = "Shooter";
};

struct AmmoRef {
    PictureRef image;
    std::string preview;  // 94x94 JPEG
    std::string colour;   // 25x25 RGB PNG
};

struct GalleryManifest {
    Settings settings;
    std::string missSound, emptySound, reloadSound, music;
    std::optional<PictureRef> title, highscore, end;
    std::vector<PictureRef> background;
    PictureRef cursor, bigFont, smallFont;
    AmmoRef ammo;
    std::vector<FigureRef> figures;
    std::vector<LookRef> looks;
};

std::string manifestToJson(const GalleryManifest& manifest);
// Throws std::runtime_error naming the field that is missing or wrong.
GalleryManifest manifestFromJson(const std::string& text);

}  // namespace datatools
