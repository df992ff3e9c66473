// shooter-gen: draws, renders and synthesises the game's complete content
// into a gallery folder that shooter-pack turns into the data archive.
#include <cstdio>
#include <exception>
#include <string>

#include "death_burst.h"
#include "figure_looks.h"
#include "glyph_sheet.h"
#include "landscape_art.h"
#include "output_folder.h"
#include "screen_art.h"
#include "sound_synth.h"
#include "text_face.h"

namespace {

using datatools::FigureRef;
using datatools::GalleryManifest;

// Figure-type parameters in list order: id, baseY, ySpread, layer, baseSpeed,
// speedSpread, points, maxCount, hitPoints, spawnChance, motionMode.
constexpr int kFigureTable[15][11] = {
    {0, 165, 15, 0, 45, 10, 125, 3, 1, 39, 2},    {1, 155, 5, 0, 58, 5, -450, 2, 1, 35, 2},
    {2, 155, 6, 0, 49, 5, 500, 1, 1, 5, 2},       {4, 59, 0, 0, 59, 0, 0, 1, 10, 90, 0},
    {5, 225, 0, 0, 76, 0, 0, 1, 1, 80, 0},        {6, 244, 0, 0, 90, 0, 180, 3, 1, 5, 1},
    {8, 230, 0, 1, 100, 8, 300, 2, 1, 45, 1},     {9, 287, 0, 1, 110, 0, 200, 2, 1, 39, 0},
    {14, 281, 0, 1, 110, 0, 245, 2, 1, 30, 0},    {16, 300, 0, 1, 190, 0, -460, 2, 1, 45, 0},
    {17, 315, 0, 1, 190, 10, 260, 2, 1, 15, 1},   {18, 355, 0, 1, 210, 15, 500, 2, 1, 26, 1},
    {20, 255, 0, 2, 400, 0, -500, 2, 1, 40, 1},   {21, 355, 0, 2, 260, 25, -430, 1, 1, 90, 0},
    {23, 360, 0, 3, 120, 15, -350, 1, 1, 95, 1},
};

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void generateFigures(gen::OutputFolder& out, GalleryManifest& manifest) {
    const std::vector<gen::FigureLook> looks = gen::figureLooks();
    for (std::size_t pos = 0; pos < looks.size(); ++pos) {
        const gen::FigureLook& look = looks[pos];
        const int* row = kFigureTable[pos];
        const std::string stem = "figures/type" + twoDigits(static_cast<int>(pos));
        FigureRef type;
        type.id = row[0];
        type.baseY = row[1];
        type.ySpread = row[2];
        type.layer = row[3];
        type.baseSpeed = row[4];
        type.speedSpread = row[5];
        type.points = row[6];
        type.maxCount = row[7];
        type.hitPoints = row[8];
        type.spawnChance = row[9];
        type.motionMode = row[10];
        type.sound = out.sound("sounds/type" + twoDigits(static_cast<int>(pos)), gen::figureSound(static_cast<int>(pos)));

        datatools::LookRef moving;
        moving.id = type.id;
        for (std::size_t i = 0; i < look.durations.size(); ++i) {
            gen::Canvas canvas(look.lookWidth, look.lookHeight);
            look.draw(canvas.cr(), static_cast<int>(i));
            datatools::FrameRef frame;
            frame.image = out.picture(stem + "_look" + twoDigits(static_cast<int>(i)), canvas, look.matte, true, 88);
            frame.duration = look.durations[i];
            frame.hotspotX = static_cast<int>(look.hotspotX);
            frame.hotspotY = static_cast<int>(look.hotspotY);
            moving.animation.frames.push_back(frame);
        }
        manifest.looks.push_back(moving);

        if (look.deathFrames > 0) {
            datatools::AnimationRef death;
            for (int i = 0; i < look.deathFrames; ++i) {
                auto canvas = gen::deathFrame(look, i, 7000 + static_cast<std::uint32_t>(pos));
                datatools::FrameRef frame;
                frame.image = out.picture(stem + "_death" + twoDigits(i), *canvas, look.matte, true, 88);
                frame.duration = look.deathFrameMs;
                frame.hotspotX = look.deathWidth / 2;
                frame.hotspotY = look.deathHeight / 2;
                death.frames.push_back(frame);
            }
            type.death = death;
        }
        manifest.figures.push_back(type);
    }
}

void generate(const std::string& folder) {
    gen::OutputFolder out(folder);
    GalleryManifest manifest;
    const gen::TextFace wide(gen::fontPath(false));
    const gen::TextFace narrow(gen::fontPath(true));

    manifest.missSound = out.sound("sounds/miss", gen::missShotSound());
    manifest.emptySound = out.sound("sounds/empty", gen::emptyClickSound());
    manifest.reloadSound = out.sound("sounds/reload", gen::reloadSound());
    manifest.music = out.sound("sounds/music", gen::musicLoop());

    for (int layer = 0; layer < gen::kLayerCount; ++layer) {
        gen::Canvas canvas(gen::kLayerWidths[layer], gen::kLayerHeight);
        gen::drawLayer(canvas.cr(), layer);
        const datatools::Mask mask = canvas.mask();
        const datatools::RgbImage colour = canvas.picture([layer](int y) { return gen::layerMatte(layer, y); });
        manifest.background.push_back(
            out.picture("background/layer" + std::to_string(layer), colour, layer == 0 ? nullptr : &mask, 88));
    }

    generateFigures(out, manifest);

    const auto looks = gen::figureLooks();
    manifest.title = out.picture("screens/title", *gen::drawTitleScreen(wide, looks), gen::rgb(0), false);
    manifest.highscore = out.picture("screens/highscore", *gen::drawHighscoreBoard(), gen::rgb(0), false);
    manifest.end = out.picture("screens/end", *gen::drawEndScreen(), gen::rgb(0), false);

    manifest.cursor = out.picture("hud/crosshair", *gen::drawCrosshair(), gen::rgb(0x303030), true, 95);
    const auto cartridge = gen::drawCartridge(25);
    manifest.ammo.image = out.picture("hud/cartridge", *cartridge, gen::rgb(0x2a2a2a), true, 95);
    manifest.ammo.preview = out.jpeg("hud/cartridge_preview", gen::drawCartridge(94)->picture(gen::rgb(0x1e2230)));
    manifest.ammo.colour = out.rgbPng("hud/cartridge_colour", cartridge->picture(gen::rgb(0x1e2230)));

    manifest.bigFont = out.picture("fonts/big", *gen::drawGlyphSheet(gen::bigSheetLayout(), narrow), gen::glyphMatte(), true, 95);
    manifest.smallFont = out.picture("fonts/small", *gen::drawGlyphSheet(gen::smallSheetLayout(), narrow), gen::glyphMatte(), true, 95);

    // Written last: its presence marks a complete folder.
    out.writeManifest(manifest);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: shooter-gen OUTPUT-FOLDER\n");
        return 2;
    }
    try {
        generate(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "shooter-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
