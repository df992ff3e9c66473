#include "screen_art.h"

#include <cmath>

#include "landscape_art.h"

namespace gen {
namespace {

// The valley as the player first sees it, scrolled to `scroll` and scaled.
void valley(cairo_t* cr, double scroll, double scale, bool withSky) {
    const double widest = kLayerWidths[0] - 640.0;
    for (int layer = withSky ? 0 : 1; layer < kLayerCount; ++layer) {
        const double factor = (kLayerWidths[layer] - 640.0) / widest;
        cairo_save(cr);
        cairo_scale(cr, scale, scale);
        cairo_translate(cr, -std::trunc(scroll * factor), 0);
        drawLayer(cr, layer);
        cairo_restore(cr);
    }
}

void outlinedText(cairo_t* cr, const TextFace& face, const char* text, double size, double cx, double baseline,
                  const Colour& top, const Colour& bottom, double outline) {
    face.use(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text, &ext);
    const double x = cx - ext.x_bearing - ext.width / 2;
    // Soft drop shadow first.
    cairo_move_to(cr, x + size * 0.04, baseline + size * 0.05);
    cairo_text_path(cr, text);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    strokeWith(cr, rgb(0x000000, 0.35), outline * 2.4, true);
    fillWith(cr, rgb(0x000000, 0.35));
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    strokeWith(cr, rgb(0x1b1630), outline * 2, true);
    fillLinear(cr, 0, baseline - size * 0.75, 0, baseline, {{0, top}, {1, bottom}});
}

}  // namespace

std::unique_ptr<Canvas> drawTitleScreen(const TextFace& face, const std::vector<FigureLook>& looks) {
    auto canvas = std::make_unique<Canvas>(640, 498);
    cairo_t* cr = canvas->cr();
    valley(cr, 1080, 498.0 / 480.0, true);
    // A few visitors hanging over the valley.
    const struct {
        int type;
        double x, y, scale;
    } guests[] = {{3, 190, 72, 0.9}, {11, 520, 250, 1.3}, {6, 96, 255, 1.0}, {0, 330, 262, 1.1}};
    for (const auto& g : guests) {
        const FigureLook& f = looks[static_cast<std::size_t>(g.type)];
        cairo_save(cr);
        cairo_translate(cr, g.x, g.y);
        cairo_scale(cr, g.scale, g.scale);
        cairo_translate(cr, -f.hotspotX, -f.hotspotY);
        f.draw(cr, 1);
        cairo_restore(cr);
    }
    outlinedText(cr, face, "Shooter", 118, 320, 190, rgb(0xfff4b0), rgb(0xff8a2a), 6);
    // Subtitle band at the foot of the picture.
    roundedRectPath(cr, 150, 418, 340, 48, 14);
    fillWith(cr, rgb(0x141826, 0.55));
    outlinedText(cr, face, "Klicken zum Starten", 30, 320, 452, rgb(0xffffff), rgb(0xd9e8ff), 2.5);
    return canvas;
}

std::unique_ptr<Canvas> drawHighscoreBoard() {
    auto canvas = std::make_unique<Canvas>(640, 480);
    cairo_t* cr = canvas->cr();
    valley(cr, 400, 1.0, true);
    cairo_rectangle(cr, 0, 0, 640, 480);
    fillWith(cr, rgb(0x0c1430, 0.35));
    // Heading plaque behind the title line the game writes at the top.
    roundedRectPath(cr, 180, 4, 280, 50, 14);
    fillLinear(cr, 0, 4, 0, 54, {{0, rgb(0x3d4f86)}, {1, rgb(0x1d2650)}}, true);
    strokeWith(cr, rgb(0xf2c95a), 3);
    // The board: a framed, deep blue panel with a stripe per row.
    roundedRectPath(cr, 18, 64, 604, 400, 18);
    fillLinear(cr, 0, 64, 0, 464, {{0, rgb(0x243366, 0.94)}, {1, rgb(0x121a3c, 0.94)}}, true);
    strokeWith(cr, rgb(0xf2c95a), 4, true);
    strokeWith(cr, rgb(0x6d5a20), 1.2);
    for (int row = 0; row < 10; ++row) {
        const double y = 80 + 38 * row;
        roundedRectPath(cr, 30, y - 1, 580, 36, 8);
        fillWith(cr, row % 2 ? rgb(0x2f4180, 0.55) : rgb(0x1b2656, 0.55));
    }
    // Stars in the corners of the frame.
    const double corners[][2] = {{30, 74}, {610, 74}, {30, 454}, {610, 454}};
    for (const auto& c : corners) {
        cairo_save(cr);
        cairo_translate(cr, c[0], c[1]);
        for (int j = 0; j < 5; ++j) {
            const double t = 2 * M_PI * j / 5 - M_PI / 2;
            cairo_line_to(cr, std::cos(t) * 9, std::sin(t) * 9);
            cairo_line_to(cr, std::cos(t + M_PI / 5) * 4, std::sin(t + M_PI / 5) * 4);
        }
        cairo_close_path(cr);
        fillWith(cr, rgb(0xf2c95a));
        cairo_restore(cr);
    }
    return canvas;
}

std::unique_ptr<Canvas> drawEndScreen() {
    auto canvas = std::make_unique<Canvas>(640, 480);
    cairo_t* cr = canvas->cr();
    drawNightSky(cr, 640, 480);
    // The same valley, dipped into moonlight.
    cairo_push_group(cr);
    cairo_save(cr);
    cairo_translate(cr, -std::trunc(1500.0), 0);
    drawFarMountains(cr, kLayerWidths[0]);
    cairo_restore(cr);
    valley(cr, 1500, 1.0, false);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_rectangle(cr, 0, 0, 640, 480);
    fillWith(cr, rgb(0x0e1638, 0.72));
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    // Warm windows in the farmhouse.
    const double farmX = 1430 - std::trunc(1500.0 * (kLayerWidths[2] - 640.0) / (kLayerWidths[0] - 640.0));
    for (double dx : {8.0, 30.0}) {
        cairo_rectangle(cr, farmX + dx, 348, 8, 8);
        fillWith(cr, rgb(0xffd27a));
    }
    // A dark band keeps the scrolling credits readable.
    cairo_rectangle(cr, 0, 438, 640, 42);
    fillLinear(cr, 0, 430, 0, 480, {{0, rgb(0x05081a, 0.0)}, {0.3, rgb(0x05081a, 0.6)}, {1, rgb(0x05081a, 0.8)}});
    return canvas;
}

std::unique_ptr<Canvas> drawCrosshair() {
    auto canvas = std::make_unique<Canvas>(30, 30);
    cairo_t* cr = canvas->cr();
    auto shape = [&]() {
        ellipsePath(cr, 15, 15, 9.5, 9.5);
        cairo_move_to(cr, 15, 1);
        cairo_line_to(cr, 15, 10);
        cairo_move_to(cr, 15, 20);
        cairo_line_to(cr, 15, 29);
        cairo_move_to(cr, 1, 15);
        cairo_line_to(cr, 10, 15);
        cairo_move_to(cr, 20, 15);
        cairo_line_to(cr, 29, 15);
    };
    shape();
    strokeWith(cr, rgb(0x101010), 4.2);
    shape();
    strokeWith(cr, rgb(0xff3b30), 2.0);
    ellipsePath(cr, 15, 15, 1.8, 1.8);
    fillWith(cr, rgb(0xffffff));
    return canvas;
}

std::unique_ptr<Canvas> drawCartridge(int size) {
    auto canvas = std::make_unique<Canvas>(size, size);
    cairo_t* cr = canvas->cr();
    const double s = size / 25.0;
    cairo_scale(cr, s, s);
    // Copper bullet on a brass case, standing upright.
    cairo_move_to(cr, 9, 9);
    cairo_curve_to(cr, 9, 4, 11, 1, 12.5, 1);
    cairo_curve_to(cr, 14, 1, 16, 4, 16, 9);
    cairo_close_path(cr);
    fillLinear(cr, 9, 0, 16, 0, {{0, rgb(0xe89a6a)}, {0.4, rgb(0xffd0b0)}, {1, rgb(0x8a4a26)}}, true);
    strokeWith(cr, rgb(0x2a1a10), 0.8);
    roundedRectPath(cr, 8, 9, 9, 13, 1);
    fillLinear(cr, 8, 0, 17, 0, {{0, rgb(0xb8862a)}, {0.35, rgb(0xfff0a0)}, {1, rgb(0x7a5410)}}, true);
    strokeWith(cr, rgb(0x2a1a10), 0.8);
    cairo_rectangle(cr, 7.5, 21, 10, 3);
    fillLinear(cr, 7.5, 0, 17.5, 0, {{0, rgb(0x9a7020)}, {0.4, rgb(0xf0d070)}, {1, rgb(0x5a3c0a)}}, true);
    strokeWith(cr, rgb(0x2a1a10), 0.8);
    return canvas;
}

}  // namespace gen
