#include "landscape_art.h"

#include <cmath>
#include <vector>

namespace gen {
namespace {

constexpr double kTau = 2.0 * M_PI;

// A ridge line from layered sines: deterministic, seamless, natural enough.
struct Ridge {
    double base;
    std::vector<double> amp, freq, phase;

    Ridge(double baseY, double roughness, int octaves, std::uint32_t seed) : base(baseY) {
        Rng rng(seed);
        double a = roughness, f = 1.0 / 260.0;
        for (int k = 0; k < octaves; ++k) {
            amp.push_back(a * rng.range(0.7, 1.2));
            freq.push_back(f * rng.range(0.8, 1.25));
            phase.push_back(rng.range(0, kTau));
            a *= 0.5;
            f *= 2.1;
        }
    }
    double at(double x) const {
        double y = base;
        for (std::size_t k = 0; k < amp.size(); ++k) y += amp[k] * std::sin(x * freq[k] + phase[k]);
        return y;
    }
};

void ridgePath(cairo_t* cr, const Ridge& ridge, int width, double bottom, double step = 4) {
    cairo_move_to(cr, -2, bottom);
    for (double x = -2; x <= width + 2; x += step) cairo_line_to(cr, x, ridge.at(x));
    cairo_line_to(cr, width + 2, bottom);
    cairo_close_path(cr);
}

void cloud(cairo_t* cr, double x, double y, double s, Rng& rng) {
    for (int k = 0; k < 6; ++k) {
        const double dx = (k - 2.5) * 22 * s + rng.range(-6, 6) * s;
        const double dy = -std::sin(M_PI * (k + 0.5) / 6) * 14 * s + rng.range(-3, 3) * s;
        const double r = (20 + rng.range(0, 12)) * s;
        ellipsePath(cr, x + dx, y + dy, r * 1.3, r);
    }
    fillLinear(cr, 0, y - 40 * s, 0, y + 20 * s,
               {{0, rgb(0xfff6ee, 0.92)}, {0.6, rgb(0xf7d6cf, 0.9)}, {1, rgb(0xe2a9a0, 0.85)}});
}

void pine(cairo_t* cr, double x, double groundY, double h, const Colour& dark, const Colour& light) {
    cairo_move_to(cr, x, groundY - h);
    cairo_line_to(cr, x + h * 0.28, groundY);
    cairo_line_to(cr, x - h * 0.28, groundY);
    cairo_close_path(cr);
    fillLinear(cr, x - h * 0.3, 0, x + h * 0.3, 0, {{0, light}, {1, dark}});
}

void roundTree(cairo_t* cr, double x, double groundY, double h, const Colour& dark, const Colour& light) {
    cairo_rectangle(cr, x - h * 0.05, groundY - h * 0.45, h * 0.1, h * 0.45);
    fillWith(cr, rgb(0x4a3424));
    ellipsePath(cr, x, groundY - h * 0.62, h * 0.32, h * 0.38);
    fillRadial(cr, x - h * 0.12, groundY - h * 0.78, h * 0.05, h * 0.45, {{0, light}, {1, dark}});
}

void sky(cairo_t* cr, int width) {
    cairo_rectangle(cr, 0, 0, width, kLayerHeight);
    setColour(cr, skyAt(0));
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kLayerHeight);
    for (int k = 0; k <= 12; ++k) {
        const Colour c = skyAt(k * 40.0);
        cairo_pattern_add_color_stop_rgb(p, k / 12.0, c.r, c.g, c.b);
    }
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // The low sun with its wide glow.
    const double sx = width * 0.68, sy = 238;
    cairo_rectangle(cr, 0, 0, width, kLayerHeight);
    fillRadial(cr, sx, sy, 0, 420, {{0, rgb(0xfff2c4, 0.75)}, {0.25, rgb(0xffd08a, 0.35)}, {1, rgb(0xffc080, 0.0)}});
    ellipsePath(cr, sx, sy, 30, 30);
    fillRadial(cr, sx, sy, 0, 30, {{0, rgb(0xffffff)}, {0.7, rgb(0xfff3c8)}, {1, rgb(0xffe0a0)}});
    Rng rng(5);
    for (int k = 0; k < 14; ++k) {
        const double x = 90 + k * (width / 14.0) + rng.range(-40, 40);
        const double y = rng.range(40, 170);
        cloud(cr, x, y, rng.range(0.6, 1.3) * (0.7 + y / 300.0), rng);
    }
}

}  // namespace

Colour skyAt(double y) {
    const Colour top = rgb(0x3f63a3), mid = rgb(0x8fb1d8), low = rgb(0xf2cfa8), horizon = rgb(0xf8dcb8);
    if (y < 150) return mix(top, mid, y / 150);
    if (y < 270) return mix(mid, low, (y - 150) / 120);
    return mix(low, horizon, std::min(1.0, (y - 270) / 100));
}

void drawFarMountains(cairo_t* cr, int width) {
    // Far peaks: pale, bluish, their snow lit warm by the low sun.
    Ridge far(262, 46, 5, 17);
    ridgePath(cr, far, width, kLayerHeight);
    fillLinear(cr, 0, 200, 0, 330, {{0, rgb(0xb6bedb)}, {1, rgb(0xc9c8d8)}}, true);
    cairo_save(cr);
    cairo_clip(cr);
    Ridge snow(238, 46, 5, 17);
    cairo_move_to(cr, -2, 0);
    for (double x = -2; x <= width + 2; x += 4) cairo_line_to(cr, x, std::min(snow.at(x) + 4, far.at(x) + 22));
    cairo_line_to(cr, width + 2, 0);
    cairo_close_path(cr);
    fillWith(cr, rgb(0xfbe9e0, 0.85));
    cairo_restore(cr);
    Ridge nearer(300, 26, 5, 29);
    ridgePath(cr, nearer, width, kLayerHeight);
    fillLinear(cr, 0, 270, 0, 360, {{0, rgb(0xa4b0cc)}, {1, rgb(0xc4c6d2)}});
    cairo_rectangle(cr, 0, 300, width, kLayerHeight - 300);
    fillLinear(cr, 0, 300, 0, kLayerHeight, {{0, rgb(0xf2dcc4, 0.0)}, {1, rgb(0xf2dcc4, 0.6)}});
}

void drawNightSky(cairo_t* cr, int width, int height) {
    cairo_rectangle(cr, 0, 0, width, height);
    fillLinear(cr, 0, 0, 0, height, {{0, rgb(0x070b1e)}, {0.55, rgb(0x1a2450)}, {1, rgb(0x3a3f6a)}});
    Rng rng(99);
    for (int k = 0; k < 160; ++k) {
        const double x = rng.range(0, width), y = rng.range(0, height * 0.6), r = rng.range(0.5, 1.6);
        ellipsePath(cr, x, y, r, r);
        fillWith(cr, rgb(0xffffff, rng.range(0.5, 1.0)));
    }
    const double mx = width * 0.22, my = height * 0.16;
    cairo_rectangle(cr, 0, 0, width, height);
    fillRadial(cr, mx, my, 0, 140, {{0, rgb(0xdfe6ff, 0.35)}, {1, rgb(0xdfe6ff, 0.0)}});
    // A crescent: the full disc with its shadowed part cut away.
    cairo_push_group(cr);
    ellipsePath(cr, mx, my, 26, 26);
    fillRadial(cr, mx - 6, my - 6, 2, 30, {{0, rgb(0xffffff)}, {1, rgb(0xd6dcf0)}});
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    ellipsePath(cr, mx + 11, my - 6, 22, 22);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

Colour layerMatte(int layer, int y) {
    if (layer <= 2 || y < 300) return skyAt(y);
    return mix(skyAt(y), rgb(0x7a9460), 0.7);
}

void drawLayer(cairo_t* cr, int layer) {
    const int width = kLayerWidths[layer];
    Rng rng(1000 + static_cast<std::uint32_t>(layer));
    switch (layer) {
    case 0:
        sky(cr, width);
        drawFarMountains(cr, width);
        break;
    case 1: {
        // Forested mountains in the middle distance, blue with haze.
        Ridge ridge(282, 44, 6, 41);
        ridgePath(cr, ridge, width, kLayerHeight);
        fillLinear(cr, 0, 230, 0, 420, {{0, rgb(0x7d93ad)}, {1, rgb(0x8aa09c)}}, true);
        // The side toward the low sun is a touch warmer.
        cairo_save(cr);
        cairo_clip_preserve(cr);
        fillLinear(cr, 0, 0, width, 0, {{0, rgb(0xd9b9a0, 0.0)}, {0.7, rgb(0xe9c0a0, 0.3)}, {1, rgb(0xd9b9a0, 0.1)}}, true);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_clip(cr);
        for (double x = 0; x < width; x += rng.range(5, 9)) {
            const double top = ridge.at(x);
            pine(cr, x, top + rng.range(6, 16), rng.range(10, 20), rgb(0x5f7891), rgb(0x7a90a8));
        }
        cairo_rectangle(cr, 0, 330, width, 150);
        fillLinear(cr, 0, 330, 0, 480, {{0, rgb(0xe8d8c0, 0.0)}, {1, rgb(0xe8d8c0, 0.35)}});
        cairo_restore(cr);
        // Trees along the ridge line give it a soft, furry edge.
        for (double x = 0; x < width; x += rng.range(6, 11)) pine(cr, x, ridge.at(x) + 3, rng.range(8, 15), rgb(0x6a8298), rgb(0x7f95ab));
        break;
    }
    case 2: {
        // Green hills, the valley floor and its road.
        // Kept low, so that craft over the valley are only partly hidden.
        Ridge hills(354, 11, 5, 53);
        ridgePath(cr, hills, width, kLayerHeight);
        fillLinear(cr, 0, 300, 0, 400, {{0, rgb(0x8aa57a)}, {1, rgb(0x74945a)}});
        for (double x = 0; x < width; x += rng.range(8, 22)) {
            const double top = hills.at(x);
            if (rng.uniform() < 0.7) roundTree(cr, x, top + rng.range(8, 20), rng.range(12, 22), rgb(0x4f7048), rgb(0x86a870));
        }
        // Poplars in rows along the field edges.
        for (double x = 60; x < width; x += rng.range(180, 320))
            for (int k = 0; k < 4; ++k) pine(cr, x + k * 9, 366, rng.range(26, 34), rgb(0x3f6a38), rgb(0x7fa86a));
        // Fields in warm late light.
        cairo_rectangle(cr, 0, 360, width, 120);
        fillLinear(cr, 0, 360, 0, 480, {{0, rgb(0x9cb36a)}, {1, rgb(0x7f9c4e)}});
        for (double x = 0; x < width; x += rng.range(90, 170)) {
            cairo_move_to(cr, x, 360);
            cairo_line_to(cr, x + rng.range(60, 120), 360);
            cairo_line_to(cr, x + rng.range(80, 160), 371);
            cairo_line_to(cr, x - 10, 371);
            cairo_close_path(cr);
            fillWith(cr, rng.uniform() < 0.5 ? rgb(0xd8c06a) : rgb(0xa8b85c));
        }
        // The road the tractor drives on.
        cairo_rectangle(cr, 0, 372, width, 12);
        fillLinear(cr, 0, 372, 0, 384, {{0, rgb(0xcdb89a)}, {1, rgb(0xa8946f)}});
        cairo_rectangle(cr, 0, 371, width, 1.5);
        fillWith(cr, rgb(0x6e7a48));
        // A farmhouse and a barn near the road.
        const double farm[] = {420, 1430};
        for (double fx : farm) {
            cairo_rectangle(cr, fx, 338, 46, 32);
            fillLinear(cr, fx, 0, fx + 46, 0, {{0, rgb(0xf3e6d0)}, {1, rgb(0xc9b9a0)}});
            cairo_move_to(cr, fx - 5, 340);
            cairo_line_to(cr, fx + 23, 318);
            cairo_line_to(cr, fx + 51, 340);
            cairo_close_path(cr);
            fillWith(cr, rgb(0xa8442f));
            cairo_rectangle(cr, fx + 8, 348, 8, 8);
            cairo_rectangle(cr, fx + 30, 348, 8, 8);
            fillWith(cr, rgb(0x4a5a6a));
            cairo_rectangle(cr, fx + 60, 342, 36, 28);
            fillWith(cr, rgb(0xb0452e));
            cairo_move_to(cr, fx + 56, 344);
            cairo_line_to(cr, fx + 78, 328);
            cairo_line_to(cr, fx + 100, 344);
            cairo_close_path(cr);
            fillWith(cr, rgb(0x6b4a3a));
        }
        cairo_rectangle(cr, 0, 384, width, 96);
        fillLinear(cr, 0, 384, 0, 480, {{0, rgb(0x7da150)}, {1, rgb(0x5f8a3c)}});
        break;
    }
    case 3: {
        // The near meadow with bushes and boulders the cows graze in front of.
        Ridge meadow(392, 5, 4, 67);
        ridgePath(cr, meadow, width, kLayerHeight, 3);
        fillLinear(cr, 0, 385, 0, 480, {{0, rgb(0x8fb55a)}, {1, rgb(0x557d32)}});
        for (double x = 30; x < width; x += rng.range(120, 260)) {
            const double g = meadow.at(x) + 4;
            if (rng.uniform() < 0.5) {
                for (int k = 0; k < 4; ++k) {
                    const double bx = x + k * 11 - 16, r = rng.range(10, 17);
                    ellipsePath(cr, bx, g - r * 0.7, r, r * 0.9);
                }
                fillLinear(cr, 0, g - 34, 0, g + 2, {{0, rgb(0x7fa657)}, {1, rgb(0x3f6a2a)}});
            } else {
                const double w = rng.range(20, 36);
                cairo_move_to(cr, x - w, g + 2);
                cairo_curve_to(cr, x - w, g - w * 0.8, x + w * 0.6, g - w, x + w, g + 2);
                cairo_close_path(cr);
                fillLinear(cr, x - w, g - w, x + w, g, {{0, rgb(0xbcb6ad)}, {1, rgb(0x6e6a66)}});
            }
        }
        for (double x = 90; x < width; x += rng.range(200, 380)) {  // hedgerow trees
            const double g = meadow.at(x) + 6;
            roundTree(cr, x, g, rng.range(44, 62), rgb(0x3f6a2a), rgb(0x9cc46a));
        }
        for (int k = 0; k < 160; ++k) {  // wildflowers in the grass
            const double x = rng.range(0, width), y = rng.range(405, 475);
            ellipsePath(cr, x, y, 1.6, 1.6);
            fillWith(cr, k % 3 == 0 ? rgb(0xfff27a) : (k % 3 == 1 ? rgb(0xffffff) : rgb(0xe88ab8)));
        }
        for (double x = 0; x < width; x += 3) {  // grass tufts along the edge
            const double g = meadow.at(x) + 2;
            cairo_move_to(cr, x, g);
            cairo_line_to(cr, x + rng.range(-2, 2), g - rng.range(2, 7));
        }
        strokeWith(cr, rgb(0x7ea650), 1.4);
        break;
    }
    default: {
        // The nearest scenery: a grassy bank, a fence and a few big trees.
        Ridge bank(446, 7, 4, 79);
        ridgePath(cr, bank, width, kLayerHeight, 3);
        fillLinear(cr, 0, 430, 0, 480, {{0, rgb(0x6f9a3c)}, {1, rgb(0x3d6322)}});
        for (double x = 0; x < width; x += 2.5) {
            const double g = bank.at(x) + 3;
            cairo_move_to(cr, x, g);
            cairo_line_to(cr, x + rng.range(-3, 3), g - rng.range(4, 13));
        }
        strokeWith(cr, rgb(0x5f8a32), 1.5);
        // Fence posts and rails in front of the meadow.
        for (double x = 150; x < 760; x += 48) {
            roundedRectPath(cr, x, 404, 7, 46, 2);
            fillLinear(cr, x, 0, x + 7, 0, {{0, rgb(0x9b7650)}, {1, rgb(0x5a3e26)}});
        }
        cairo_rectangle(cr, 150, 412, 617, 5);
        cairo_rectangle(cr, 150, 428, 617, 5);
        fillLinear(cr, 0, 412, 0, 433, {{0, rgb(0xa98660)}, {1, rgb(0x6a4a2e)}});
        // Big trees: trunk and layered crowns.
        const double trees[][2] = {{60, 1.0}, {930, 1.15}, {1130, 0.8}};
        for (const auto& t : trees) {
            const double x = t[0], s = t[1];
            cairo_move_to(cr, x - 12 * s, 452);
            cairo_curve_to(cr, x - 7 * s, 360, x - 8 * s, 260, x - 4 * s, 200);
            cairo_line_to(cr, x + 6 * s, 200);
            cairo_curve_to(cr, x + 9 * s, 280, x + 9 * s, 380, x + 15 * s, 452);
            cairo_close_path(cr);
            fillLinear(cr, x - 12 * s, 0, x + 15 * s, 0, {{0, rgb(0x6b4a32)}, {1, rgb(0x33231a)}});
            Rng crown(static_cast<std::uint32_t>(x));
            for (int k = 0; k < 11; ++k) {
                const double cx = x + crown.range(-70, 70) * s, cy = crown.range(90, 230) * (0.85 + 0.15 * s);
                const double r = crown.range(34, 52) * s;
                ellipsePath(cr, cx, cy, r, r * 0.85);
                fillRadial(cr, cx - r * 0.35, cy - r * 0.4, r * 0.1, r * 1.1,
                           {{0, rgb(0x8db85a)}, {0.55, rgb(0x4f7f32)}, {1, rgb(0x2e5222)}});
            }
        }
        // Two boulders on the bank.
        const double rocks[] = {520, 1040};
        for (double x : rocks) {
            cairo_move_to(cr, x - 40, 462);
            cairo_curve_to(cr, x - 42, 420, x + 10, 408, x + 44, 462);
            cairo_close_path(cr);
            fillLinear(cr, x - 40, 410, x + 40, 462, {{0, rgb(0xc8c2b8)}, {1, rgb(0x5f5a55)}});
        }
        break;
    }
    }
}

}  // namespace gen
