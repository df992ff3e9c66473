#include "figure_looks.h"

#include <cmath>

namespace gen {
namespace {

constexpr double kTau = 2.0 * M_PI;
const Colour kOutline = rgb(0x1c2333, 0.85);
const Colour kSkyMatte = rgb(0xb9c7dc);
const Colour kHillMatte = rgb(0x7d8f6a);
const Colour kMeadowMatte = rgb(0x6f8c4a);

double cycle(int index, int frames) { return static_cast<double>(index) / frames; }

// A flying saucer seen slightly from above: hull, rim lights and glass dome.
struct SaucerStyle {
    Colour hullTop, hullBottom, rim, domeTop, domeBottom;
    std::vector<Colour> lights;
    int lightCount = 6;
};

void drawSaucer(cairo_t* cr, double cx, double cy, double rx, double ry, const SaucerStyle& s, double phase) {
    // Underside glow.
    ellipsePath(cr, cx, cy + ry * 0.35, rx * 0.55, ry * 0.3);
    fillRadial(cr, cx, cy + ry * 0.35, 0, rx * 0.55, {{0, s.lights.front()}, {1, mix(s.hullBottom, s.lights.front(), 0.4)}});
    // Lower hull.
    ellipsePath(cr, cx, cy + ry * 0.1, rx, ry * 0.42);
    fillLinear(cr, 0, cy - ry * 0.3, 0, cy + ry * 0.55, {{0, s.hullTop}, {1, s.hullBottom}}, true);
    strokeWith(cr, kOutline, 1.2);
    // Rim band.
    ellipsePath(cr, cx, cy, rx * 0.98, ry * 0.22);
    fillLinear(cr, cx - rx, 0, cx + rx, 0, {{0, mix(s.rim, s.hullBottom, 0.5)}, {0.35, mix(s.rim, rgb(0xffffff), 0.5)}, {1, mix(s.rim, s.hullBottom, 0.6)}});
    // Dome.
    cairo_save(cr);
    cairo_rectangle(cr, cx - rx, cy - ry * 2, rx * 2, ry * 2 - ry * 0.05);
    cairo_clip(cr);
    ellipsePath(cr, cx, cy - ry * 0.05, rx * 0.46, ry * 0.78);
    fillLinear(cr, 0, cy - ry * 0.8, 0, cy, {{0, s.domeTop}, {1, s.domeBottom}}, true);
    strokeWith(cr, kOutline, 1.1);
    ellipsePath(cr, cx - rx * 0.16, cy - ry * 0.45, rx * 0.12, ry * 0.16);
    fillWith(cr, rgb(0xffffff, 0.75));
    cairo_restore(cr);
    // Rim lights: one runs round, the others glow dimly.
    for (int i = 0; i < s.lightCount; ++i) {
        const double a = M_PI * (0.08 + 0.84 * i / (s.lightCount - 1));
        const double lx = cx - std::cos(a) * rx * 0.82;
        const double ly = cy + std::sin(a) * ry * 0.14;
        const int lit = static_cast<int>(std::floor(phase * s.lightCount)) % s.lightCount;
        const Colour c = s.lights[static_cast<std::size_t>(i) % s.lights.size()];
        const bool on = i == lit || (i + s.lightCount / 2) % s.lightCount == lit;
        const double r = std::max(1.6, rx * 0.07);
        if (on) {
            ellipsePath(cr, lx, ly, r * 2.2, r * 2.2);
            fillRadial(cr, lx, ly, 0, r * 2.2, {{0, c}, {1, Colour{c.r, c.g, c.b, 0}}});
        }
        ellipsePath(cr, lx, ly, r, r);
        fillWith(cr, on ? mix(c, rgb(0xffffff), 0.5) : mix(c, s.hullBottom, 0.55));
    }
}

void sparkle(cairo_t* cr, double x, double y, double r, const Colour& c) {
    cairo_move_to(cr, x - r, y);
    cairo_curve_to(cr, x - r * 0.15, y - r * 0.15, x - r * 0.15, y - r * 0.15, x, y - r);
    cairo_curve_to(cr, x + r * 0.15, y - r * 0.15, x + r * 0.15, y - r * 0.15, x + r, y);
    cairo_curve_to(cr, x + r * 0.15, y + r * 0.15, x + r * 0.15, y + r * 0.15, x, y + r);
    cairo_curve_to(cr, x - r * 0.15, y + r * 0.15, x - r * 0.15, y + r * 0.15, x - r, y);
    cairo_close_path(cr);
    fillWith(cr, c);
}

// ---------------------------------------------------------------- the figures

void scoutSaucer(cairo_t* cr, int i) {
    SaucerStyle s{rgb(0xc9d3e0), rgb(0x4d5b70), rgb(0x9aa8bd), rgb(0xa8f0ff), rgb(0x2b7fa8),
                  {rgb(0x7dff9a), rgb(0xffe066), rgb(0xff6f91)}, 5};
    drawSaucer(cr, 32, 32, 28, 20, s, cycle(i, 3));
}

void dove(cairo_t* cr, int i) {
    const double flap = std::sin(kTau * cycle(i, 6));  // +1 wings up, -1 down
    const Colour white = rgb(0xf7f7f2), shade = rgb(0xc9cdd6);
    // A wing swings about the shoulder; its trailing edge is a row of feathers.
    auto wing = [&](double lift, double span, const Colour& c) {
        cairo_save(cr);
        cairo_translate(cr, 36, 34);
        cairo_rotate(cr, M_PI + lift * 1.15);
        cairo_scale(cr, span, 1.0);
        cairo_move_to(cr, 0, 3);
        cairo_curve_to(cr, 8, 6, 18, 5, 27, 1);
        cairo_curve_to(cr, 24, -3, 21, -4, 19, -3);
        cairo_curve_to(cr, 17, -7, 13, -7, 12, -5);
        cairo_curve_to(cr, 9, -9, 5, -9, 4, -6);
        cairo_curve_to(cr, 1, -7, -1, -4, 0, 3);
        cairo_close_path(cr);
        cairo_restore(cr);
        fillLinear(cr, 0, 8, 0, 60, {{0, white}, {1, c}}, true);
        strokeWith(cr, kOutline, 1.0);
    };
    wing(flap * 0.9 + 0.15, 0.8, shade);
    // Tail fan.
    cairo_move_to(cr, 20, 36);
    cairo_line_to(cr, 5, 31);
    cairo_curve_to(cr, 3, 35, 3, 39, 6, 43);
    cairo_close_path(cr);
    fillLinear(cr, 0, 31, 0, 43, {{0, white}, {1, shade}}, true);
    strokeWith(cr, kOutline, 1.0);
    // Body and head.
    ellipsePath(cr, 34, 37, 17, 8.5);
    fillLinear(cr, 0, 29, 0, 46, {{0, white}, {1, shade}}, true);
    strokeWith(cr, kOutline, 1.0);
    ellipsePath(cr, 52, 31, 7, 6.5);
    fillLinear(cr, 0, 25, 0, 38, {{0, white}, {1, shade}}, true);
    strokeWith(cr, kOutline, 1.0);
    cairo_move_to(cr, 58, 30);
    cairo_line_to(cr, 65, 32);
    cairo_line_to(cr, 58, 34);
    cairo_close_path(cr);
    fillWith(cr, rgb(0xf0a030));
    ellipsePath(cr, 54, 29.5, 1.4, 1.4);
    fillWith(cr, rgb(0x111111));
    // Near wing in front.
    wing(flap, 1.0, rgb(0xdfe3ea));
}

void goldenSaucer(cairo_t* cr, int i) {
    SaucerStyle s{rgb(0xffe9a0), rgb(0x9a6a10), rgb(0xf5c542), rgb(0xfff6c8), rgb(0xd08a1a),
                  {rgb(0xffffff), rgb(0xfff27a), rgb(0xff9f1c)}, 6};
    drawSaucer(cr, 36, 34, 30, 21, s, cycle(i, 4));
    const double a = kTau * cycle(i, 4);
    for (int k = 0; k < 3; ++k) {
        const double t = a + k * kTau / 3;
        sparkle(cr, 36 + std::cos(t) * 28, 24 + std::sin(t) * 9, 4.5 - k, rgb(0xfffbe0, 0.95));
    }
}

void mothership(cairo_t* cr, int i) {
    const double t = cycle(i, 85);
    // Engine glow at the back (it travels to the right).
    ellipsePath(cr, 22, 58, 20, 14);
    fillRadial(cr, 22, 58, 0, 20, {{0, rgb(0xbff4ff)}, {0.6, rgb(0x62c6ff, 0.9)}, {1, rgb(0x3a6a9a, 0.0)}});
    // Hull: a long flattened disc with a raised spine.
    ellipsePath(cr, 160, 62, 150, 30);
    fillLinear(cr, 0, 30, 0, 94, {{0, rgb(0x8e8aa8)}, {0.45, rgb(0x5a5675)}, {1, rgb(0x2c2a3d)}}, true);
    strokeWith(cr, kOutline, 1.5);
    ellipsePath(cr, 170, 44, 95, 17);
    fillLinear(cr, 0, 27, 0, 60, {{0, rgb(0xb3b0c9)}, {1, rgb(0x5f5b78)}}, true);
    strokeWith(cr, kOutline, 1.2);
    // Bridge dome.
    ellipsePath(cr, 200, 30, 26, 12);
    fillLinear(cr, 0, 18, 0, 40, {{0, rgb(0xd6fbff)}, {1, rgb(0x3e8fb5)}}, true);
    strokeWith(cr, kOutline, 1.0);
    // Panel seams.
    cairo_set_line_width(cr, 1.0);
    for (int k = 0; k < 7; ++k) {
        const double x = 50 + k * 36;
        cairo_move_to(cr, x, 48);
        cairo_curve_to(cr, x + 4, 60, x + 4, 76, x, 88);
    }
    setColour(cr, rgb(0x2a2838, 0.6));
    cairo_stroke(cr);
    // Window row, slowly flickering.
    for (int k = 0; k < 14; ++k) {
        const double x = 70 + k * 13;
        const bool bright = ((k * 7 + i) % 11) < 8;
        roundedRectPath(cr, x, 40, 7, 5, 1.5);
        fillWith(cr, bright ? rgb(0xfff3b0) : rgb(0x8a7f60));
    }
    // A chase of lights along the belly.
    for (int k = 0; k < 16; ++k) {
        const double a = M_PI * (0.12 + 0.76 * k / 15.0);
        const double lx = 160 - std::cos(a) * 138;
        const double ly = 66 + std::sin(a) * 22;
        const double wave = 0.5 + 0.5 * std::cos(kTau * (t * 6 - k / 16.0));
        const Colour c = k % 2 ? rgb(0xff5a6e) : rgb(0x66ffd1);
        ellipsePath(cr, lx, ly, 2.2 + 2.4 * wave, 2.2 + 2.4 * wave);
        fillWith(cr, mix(rgb(0x3a3550), c, 0.35 + 0.65 * wave));
    }
    // Pulsing tractor port underneath.
    const double pulse = 0.5 + 0.5 * std::sin(kTau * t * 10);
    ellipsePath(cr, 160, 90, 22, 6 + 2 * pulse);
    fillRadial(cr, 160, 90, 0, 24, {{0, rgb(0xf4ffb0)}, {1, mix(rgb(0x3a3550), rgb(0xb8ff6a), pulse)}});
}

void weatherBalloon(cairo_t* cr, int i) {
    const double sway = std::sin(kTau * cycle(i, 10)) * 0.09;
    cairo_save(cr);
    cairo_translate(cr, 30, 30);
    cairo_rotate(cr, sway);
    // The string and the instrument box swing under the balloon.
    cairo_move_to(cr, 0, 24);
    cairo_curve_to(cr, 3, 40, -3, 55, 0, 66);
    strokeWith(cr, rgb(0x5a5a5a), 1.2);
    roundedRectPath(cr, -8, 64, 16, 12, 2);
    fillLinear(cr, 0, 64, 0, 76, {{0, rgb(0xffffff)}, {1, rgb(0xd9d2c4)}}, true);
    strokeWith(cr, kOutline, 1.0);
    cairo_rectangle(cr, -8, 68, 16, 3);
    fillWith(cr, rgb(0xff7b2e));
    const bool blink = i % 5 < 2;
    ellipsePath(cr, 0, 76, 2.2, 2.2);
    fillWith(cr, blink ? rgb(0xff3030) : rgb(0x702020));
    // The balloon itself.
    ellipsePath(cr, 0, 0, 23, 25);
    fillRadial(cr, -7, -9, 2, 30, {{0, rgb(0xffffff)}, {0.6, rgb(0xf1eee8)}, {1, rgb(0xbdb8b0)}}, true);
    strokeWith(cr, kOutline, 1.2);
    cairo_move_to(cr, -5, 24);
    cairo_line_to(cr, 5, 24);
    cairo_line_to(cr, 0, 28);
    cairo_close_path(cr);
    fillWith(cr, rgb(0xbdb8b0));
    cairo_restore(cr);
}

void tinyDrone(cairo_t* cr, int i) {
    const double spin = kTau * cycle(i, 3) / 2;
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 24, 30);
        cairo_line_to(cr, 24 + side * 15, 24);
        strokeWith(cr, rgb(0x2f3440), 3.0);
        // Rotor: a blur disc and one blade.
        ellipsePath(cr, 24 + side * 15, 22, 9, 2.6);
        fillWith(cr, rgb(0x9aa3b5, 0.55));
        const double c = std::cos(spin + side), half = 9 * c;
        cairo_move_to(cr, 24 + side * 15 - half, 22 - 1.5 * std::sin(spin));
        cairo_line_to(cr, 24 + side * 15 + half, 22 + 1.5 * std::sin(spin));
        strokeWith(cr, rgb(0x1f232c), 1.6);
    }
    ellipsePath(cr, 24, 31, 10, 7);
    fillLinear(cr, 0, 24, 0, 38, {{0, rgb(0x6d7790)}, {1, rgb(0x262a36)}}, true);
    strokeWith(cr, kOutline, 1.0);
    ellipsePath(cr, 24, 33, 3.5, 3.5);
    fillRadial(cr, 24, 33, 0, 3.5, {{0, rgb(0xffe0e0)}, {0.5, rgb(0xff2b45)}, {1, rgb(0x801020)}});
    cairo_move_to(cr, 19, 38);
    cairo_line_to(cr, 16, 44);
    cairo_move_to(cr, 29, 38);
    cairo_line_to(cr, 32, 44);
    strokeWith(cr, rgb(0x2f3440), 1.5);
}

void beamSaucer(cairo_t* cr, int i) {
    const double t = cycle(i, 6);
    // The beam: a cone of pale green light with bands falling through it.
    cairo_move_to(cr, 42, 38);
    cairo_line_to(cr, 68, 38);
    cairo_line_to(cr, 96, 148);
    cairo_line_to(cr, 14, 148);
    cairo_close_path(cr);
    fillLinear(cr, 0, 38, 0, 148, {{0, rgb(0xe9ffb8, 0.9)}, {1, rgb(0xb9f58a, 0.62)}});
    for (int k = 0; k < 4; ++k) {
        const double y = 44 + std::fmod(k * 27.5 + t * 27.5 * 1.0 * 4, 110);
        const double half = 13 + (y - 38) * 0.37;
        cairo_rectangle(cr, 55 - half, y, half * 2, 4);
        fillWith(cr, rgb(0xfbfff0, 0.85));
    }
    SaucerStyle s{rgb(0xd7e6d0), rgb(0x3f5a48), rgb(0x9fc2a8), rgb(0xdaffc4), rgb(0x3f9a5a),
                  {rgb(0xd4ff5a), rgb(0xffffff), rgb(0x6affc8)}, 6};
    drawSaucer(cr, 55, 30, 44, 26, s, t);
}

void sideSaucer(cairo_t* cr, int i) {
    cairo_save(cr);
    cairo_translate(cr, 50, 32);
    cairo_rotate(cr, 0.12);  // leaning into its flight to the right
    ellipsePath(cr, 0, 2, 46, 9);
    fillLinear(cr, 0, -7, 0, 11, {{0, rgb(0xe4e8ef)}, {0.5, rgb(0x8f99ab)}, {1, rgb(0x3d4556)}}, true);
    strokeWith(cr, kOutline, 1.2);
    cairo_save(cr);
    cairo_rectangle(cr, -40, -40, 80, 40);
    cairo_clip(cr);
    ellipsePath(cr, 0, 0, 18, 17);
    fillLinear(cr, 0, -17, 0, 0, {{0, rgb(0xffd6f5)}, {1, rgb(0x9a3d8a)}}, true);
    strokeWith(cr, kOutline, 1.0);
    cairo_restore(cr);
    ellipsePath(cr, -5, -9, 5, 3.5);
    fillWith(cr, rgb(0xffffff, 0.7));
    for (int k = 0; k < 7; ++k) {
        const double x = -36 + k * 12;
        const bool on = (k + i) % 3 == 0;
        ellipsePath(cr, x, 3, 2.6, 2.2);
        fillWith(cr, on ? rgb(0xfff06a) : rgb(0x6d6a55));
    }
    cairo_restore(cr);
}

void jetpackAlien(cairo_t* cr, int i) {
    const double t = cycle(i, 7);
    const double bob = std::sin(kTau * t) * 1.5;
    cairo_save(cr);
    cairo_translate(cr, 0, bob);
    // Flames under the pack.
    const double flame = 14 + 6 * std::fabs(std::sin(kTau * t * 2 + 0.7));
    cairo_move_to(cr, 20, 58);
    cairo_curve_to(cr, 14, 58 + flame * 0.5, 22, 58 + flame, 25, 58 + flame * 1.2);
    cairo_curve_to(cr, 28, 58 + flame, 34, 58 + flame * 0.5, 29, 58);
    cairo_close_path(cr);
    fillLinear(cr, 0, 58, 0, 58 + flame * 1.2, {{0, rgb(0xfffbd0)}, {0.4, rgb(0xffc23a)}, {1, rgb(0xff5a1f, 0.7)}});
    // Jet pack.
    roundedRectPath(cr, 16, 30, 15, 28, 4);
    fillLinear(cr, 16, 0, 31, 0, {{0, rgb(0xd3d7de)}, {1, rgb(0x6b7383)}}, true);
    strokeWith(cr, kOutline, 1.0);
    // Legs, dangling.
    const double swing = std::sin(kTau * t) * 4;
    cairo_move_to(cr, 35, 58);
    cairo_line_to(cr, 33 + swing, 76);
    cairo_move_to(cr, 42, 58);
    cairo_line_to(cr, 44 - swing, 75);
    strokeWith(cr, rgb(0x4b5a78), 5.0);
    // Suit.
    roundedRectPath(cr, 29, 34, 18, 27, 6);
    fillLinear(cr, 29, 0, 47, 0, {{0, rgb(0x8fa6d6)}, {1, rgb(0x3f5384)}}, true);
    strokeWith(cr, kOutline, 1.0);
    // Waving arm.
    cairo_move_to(cr, 44, 40);
    cairo_line_to(cr, 56, 34 - swing);
    strokeWith(cr, rgb(0x5d73a8), 4.5);
    ellipsePath(cr, 57, 33 - swing, 3, 3);
    fillWith(cr, rgb(0x7ed36a));
    // Head: big, green, with black almond eyes.
    ellipsePath(cr, 40, 22, 13, 14);
    fillRadial(cr, 36, 16, 2, 18, {{0, rgb(0xc9ff9e)}, {1, rgb(0x4f9e3a)}}, true);
    strokeWith(cr, kOutline, 1.1);
    for (int side = 0; side < 2; ++side) {
        cairo_save(cr);
        cairo_translate(cr, 40 + side * 8 - 2, 22);
        cairo_rotate(cr, side ? -0.5 : 0.5);
        ellipsePath(cr, 0, 0, 2.8, 4.8);
        fillWith(cr, rgb(0x111318));
        cairo_restore(cr);
    }
    cairo_move_to(cr, 40, 8);
    cairo_line_to(cr, 44, 1);
    strokeWith(cr, rgb(0x4f9e3a), 1.4);
    ellipsePath(cr, 44, 1.5, 2, 2);
    fillWith(cr, i % 2 ? rgb(0xfff06a) : rgb(0xff6a9e));
    cairo_restore(cr);
}

void hotAirBalloon(cairo_t* cr, int i) {
    const double t = cycle(i, 8);
    // Envelope with bright gores.
    const Colour gores[] = {rgb(0xe84a3c), rgb(0xf7c548), rgb(0x3d8fd1), rgb(0xf7c548), rgb(0xe84a3c)};
    cairo_save(cr);
    cairo_move_to(cr, 55, 6);
    cairo_curve_to(cr, 108, 6, 106, 70, 72, 100);
    cairo_line_to(cr, 38, 100);
    cairo_curve_to(cr, 4, 70, 2, 6, 55, 6);
    cairo_close_path(cr);
    cairo_clip_preserve(cr);
    for (int k = 0; k < 5; ++k) {
        cairo_rectangle(cr, 5 + k * 20, 0, 20, 104);
        fillWith(cr, gores[k]);
    }
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 110, 104);
    fillRadial(cr, 38, 30, 5, 80, {{0, rgb(0xffffff, 0.35)}, {0.5, rgb(0xffffff, 0.0)}, {1, rgb(0x000000, 0.35)}});
    cairo_restore(cr);
    cairo_move_to(cr, 55, 6);
    cairo_curve_to(cr, 108, 6, 106, 70, 72, 100);
    cairo_line_to(cr, 38, 100);
    cairo_curve_to(cr, 4, 70, 2, 6, 55, 6);
    cairo_close_path(cr);
    strokeWith(cr, kOutline, 1.3);
    // Ropes and basket.
    cairo_move_to(cr, 39, 100);
    cairo_line_to(cr, 42, 128);
    cairo_move_to(cr, 71, 100);
    cairo_line_to(cr, 68, 128);
    strokeWith(cr, rgb(0x4a3a2a), 1.2);
    // Burner flame flickers now and then.
    if (i % 4 != 3) {
        const double h = 6 + 5 * std::fabs(std::sin(kTau * t * 3));
        cairo_move_to(cr, 50, 108);
        cairo_curve_to(cr, 50, 108 - h, 55, 102 - h, 55, 100 - h);
        cairo_curve_to(cr, 55, 102 - h, 60, 108 - h, 60, 108);
        cairo_close_path(cr);
        fillLinear(cr, 0, 100 - h, 0, 108, {{0, rgb(0xfff7c0)}, {1, rgb(0xff8a2a)}});
    }
    // Two passengers; the one on the left waves.
    const double wave = std::sin(kTau * t * 2) * 5;
    ellipsePath(cr, 47, 116, 5, 5.5);
    fillWith(cr, rgb(0xf1c49b));
    ellipsePath(cr, 64, 117, 5, 5.5);
    fillWith(cr, rgb(0xd9a47a));
    cairo_move_to(cr, 47, 116);
    cairo_curve_to(cr, 43, 112, 52, 110, 51, 114);
    fillWith(cr, rgb(0x6b3b1c));
    ellipsePath(cr, 64, 113, 5.5, 2.5);
    fillWith(cr, rgb(0x2f4f8f));
    cairo_move_to(cr, 42, 124);
    cairo_line_to(cr, 36 + wave * 0.3, 108 + wave);
    strokeWith(cr, rgb(0xf1c49b), 2.5);
    roundedRectPath(cr, 38, 121, 34, 17, 3);
    fillLinear(cr, 0, 121, 0, 138, {{0, rgb(0xb07a3e)}, {1, rgb(0x6a4320)}}, true);
    strokeWith(cr, kOutline, 1.1);
    for (int k = 0; k < 4; ++k) {
        cairo_move_to(cr, 42 + k * 8, 122);
        cairo_line_to(cr, 42 + k * 8, 137);
    }
    strokeWith(cr, rgb(0x5a3818, 0.7), 1.0);
}

void spikyProbe(cairo_t* cr, int i) {
    const double a0 = kTau * cycle(i, 4) / 8;
    for (int k = 0; k < 8; ++k) {
        const double a = a0 + k * kTau / 8;
        cairo_move_to(cr, 40 + std::cos(a - 0.22) * 17, 40 + std::sin(a - 0.22) * 17);
        cairo_line_to(cr, 40 + std::cos(a) * 36, 40 + std::sin(a) * 36);
        cairo_line_to(cr, 40 + std::cos(a + 0.22) * 17, 40 + std::sin(a + 0.22) * 17);
        cairo_close_path(cr);
        fillLinear(cr, 0, 4, 0, 76, {{0, rgb(0xe0e6ee)}, {1, rgb(0x59606e)}}, true);
        strokeWith(cr, kOutline, 1.0);
    }
    ellipsePath(cr, 40, 40, 19, 19);
    fillRadial(cr, 33, 32, 2, 24, {{0, rgb(0xe8edf3)}, {0.6, rgb(0x7c8496)}, {1, rgb(0x2e3340)}}, true);
    strokeWith(cr, kOutline, 1.2);
    const bool blink = i == 3;
    ellipsePath(cr, 40, 41, 8, blink ? 1.5 : 7);
    fillRadial(cr, 40, 41, 0, 8, {{0, rgb(0xfff0c0)}, {0.4, rgb(0xff5a2a)}, {1, rgb(0x8a1010)}});
}

void redSaucer(cairo_t* cr, int i) {
    // Swept fins behind the hull.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, 55 + side * 30, 34);
        cairo_line_to(cr, 55 + side * 53, 22);
        cairo_line_to(cr, 55 + side * 44, 40);
        cairo_close_path(cr);
        fillLinear(cr, 0, 20, 0, 42, {{0, rgb(0xff7a6a)}, {1, rgb(0x7a1010)}}, true);
        strokeWith(cr, kOutline, 1.0);
    }
    SaucerStyle s{rgb(0xff8a70), rgb(0x6a0d12), rgb(0xd83a2e), rgb(0xffd0b0), rgb(0xb02010),
                  {rgb(0xffb020), rgb(0xffffff), rgb(0xffe24a)}, 7};
    drawSaucer(cr, 55, 32, 42, 24, s, cycle(i, 5));
    // Twin cannons glowing in turn.
    for (int side = -1; side <= 1; side += 2) {
        roundedRectPath(cr, 55 + side * 16 - 3, 40, 6, 12, 2);
        fillWith(cr, rgb(0x3a0a0e));
        const bool hot = (i + (side > 0)) % 2 == 0;
        ellipsePath(cr, 55 + side * 16, 52, 3, 3);
        fillWith(cr, hot ? rgb(0xffe070) : rgb(0x803020));
    }
}

void passengerPlane(cairo_t* cr, int i) {
    const double spin = kTau * cycle(i, 10) * 3;
    // Far wing.
    cairo_move_to(cr, 100, 38);
    cairo_line_to(cr, 132, 12);
    cairo_line_to(cr, 142, 12);
    cairo_line_to(cr, 128, 38);
    cairo_close_path(cr);
    fillWith(cr, rgb(0xaab3c2));
    // Tail fin and stabiliser.
    cairo_move_to(cr, 180, 38);
    cairo_line_to(cr, 200, 6);
    cairo_line_to(cr, 214, 6);
    cairo_line_to(cr, 210, 40);
    cairo_close_path(cr);
    fillLinear(cr, 0, 6, 0, 40, {{0, rgb(0x2a6fd1)}, {1, rgb(0x1a3f80)}}, true);
    strokeWith(cr, kOutline, 1.1);
    // Fuselage, nose to the left.
    cairo_move_to(cr, 14, 42);
    cairo_curve_to(cr, 14, 30, 30, 28, 50, 28);
    cairo_line_to(cr, 196, 30);
    cairo_curve_to(cr, 212, 31, 216, 38, 214, 42);
    cairo_curve_to(cr, 200, 50, 190, 52, 170, 53);
    cairo_line_to(cr, 40, 54);
    cairo_curve_to(cr, 22, 54, 14, 50, 14, 42);
    cairo_close_path(cr);
    fillLinear(cr, 0, 28, 0, 54, {{0, rgb(0xffffff)}, {0.6, rgb(0xe3e7ee)}, {1, rgb(0x9aa3b3)}}, true);
    strokeWith(cr, kOutline, 1.2);
    cairo_rectangle(cr, 30, 45, 180, 3);
    fillWith(cr, rgb(0x2a6fd1));
    // Cockpit and windows.
    cairo_move_to(cr, 20, 38);
    cairo_curve_to(cr, 24, 33, 30, 32, 36, 32);
    cairo_line_to(cr, 36, 38);
    cairo_close_path(cr);
    fillWith(cr, rgb(0x29384f));
    for (int k = 0; k < 15; ++k) {
        roundedRectPath(cr, 48 + k * 9, 35, 5, 5, 1.5);
        fillWith(cr, rgb(0x35465f));
    }
    // Near wing with its engine and turning propeller.
    cairo_move_to(cr, 92, 46);
    cairo_line_to(cr, 120, 66);
    cairo_line_to(cr, 134, 66);
    cairo_line_to(cr, 128, 46);
    cairo_close_path(cr);
    fillLinear(cr, 0, 46, 0, 66, {{0, rgb(0xd5dbe5)}, {1, rgb(0x8a93a5)}}, true);
    strokeWith(cr, kOutline, 1.0);
    roundedRectPath(cr, 96, 49, 26, 9, 4);
    fillLinear(cr, 0, 49, 0, 58, {{0, rgb(0xf0f2f6)}, {1, rgb(0x7c8596)}}, true);
    strokeWith(cr, kOutline, 1.0);
    ellipsePath(cr, 94, 53.5, 2.5, 13);
    fillWith(cr, rgb(0x9aa3b5, 0.6));
    for (int k = 0; k < 3; ++k) {
        const double a = spin + k * kTau / 3;
        cairo_move_to(cr, 94, 53.5);
        cairo_line_to(cr, 94 + std::sin(a) * 1.5, 53.5 + std::cos(a) * 13);
    }
    strokeWith(cr, rgb(0x20242c), 2.0);
}

void tractor(cairo_t* cr, int i) {
    const double spin = kTau * cycle(i, 8) / 2;
    const double bump = i % 2 ? 0.8 : 0.0;
    auto wheel = [&](double cx, double cy, double r) {
        ellipsePath(cr, cx, cy, r, r);
        fillWith(cr, rgb(0x1d1d21));
        for (int k = 0; k < 10; ++k) {
            const double a = spin + k * kTau / 10;
            ellipsePath(cr, cx + std::cos(a) * r, cy + std::sin(a) * r, r * 0.14, r * 0.14);
            fillWith(cr, rgb(0x1d1d21));
        }
        ellipsePath(cr, cx, cy, r * 0.55, r * 0.55);
        fillRadial(cr, cx - 2, cy - 2, 0, r * 0.6, {{0, rgb(0xfff07a)}, {1, rgb(0xc9a21a)}});
        for (int k = 0; k < 4; ++k) {
            const double a = spin * 1.3 + k * kTau / 4;
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5);
        }
        strokeWith(cr, rgb(0x8a6a10), 1.5);
    };
    // Exhaust puffs drift back as it drives right.
    for (int k = 0; k < 2; ++k) {
        const double p = std::fmod(cycle(i, 8) + k * 0.5, 1.0);
        ellipsePath(cr, 62 - p * 18, 12 - p * 8, 3 + p * 4, 3 + p * 4);
        fillWith(cr, rgb(0x9a9ca4, 0.9 - p * 0.35));
    }
    cairo_save(cr);
    cairo_translate(cr, 0, -bump);
    cairo_move_to(cr, 62, 22);
    cairo_line_to(cr, 62, 12);
    strokeWith(cr, rgb(0x2a2a2e), 3.0);
    // Body: hood in front, cab behind.
    roundedRectPath(cr, 44, 24, 44, 20, 4);
    fillLinear(cr, 0, 24, 0, 44, {{0, rgb(0xff5a48)}, {1, rgb(0xa3191c)}}, true);
    strokeWith(cr, kOutline, 1.1);
    roundedRectPath(cr, 14, 8, 32, 38, 3);
    fillLinear(cr, 0, 8, 0, 46, {{0, rgb(0xff6a58)}, {1, rgb(0x9a1518)}}, true);
    strokeWith(cr, kOutline, 1.1);
    roundedRectPath(cr, 19, 12, 22, 16, 2);
    fillLinear(cr, 0, 12, 0, 28, {{0, rgb(0xdff6ff)}, {1, rgb(0x7ab0cf)}});
    ellipsePath(cr, 30, 21, 4, 4.5);
    fillWith(cr, rgb(0x3b2a20));
    cairo_rectangle(cr, 84, 28, 4, 6);
    fillWith(cr, rgb(0xfff4b0));
    cairo_restore(cr);
    wheel(28, 46, 16);
    wheel(78, 52, 9);
}

void cow(cairo_t* cr, int i) {
    const double t = cycle(i, 17);
    const double step = std::sin(kTau * t);
    const double nod = std::sin(kTau * t * 2) * 1.2;
    // Legs: the far pair first, darker; diagonal pairs move together.
    auto leg = [&](double x, double phase, const Colour& c) {
        const double swing = std::sin(kTau * t + phase) * 5;
        cairo_move_to(cr, x, 44);
        cairo_line_to(cr, x + swing * 0.4, 56);
        cairo_line_to(cr, x + swing, 66);
        strokeWith(cr, c, 5.0);
        ellipsePath(cr, x + swing, 67, 3, 2);
        fillWith(cr, rgb(0x2a221c));
    };
    leg(34, M_PI, rgb(0xcfcac0));
    leg(72, 0, rgb(0xcfcac0));
    // Tail swishing at the back (the cow walks left).
    const double swish = std::sin(kTau * t * 2) * 5;
    cairo_move_to(cr, 86, 28);
    cairo_curve_to(cr, 94, 34, 92 + swish, 44, 90 + swish, 52);
    strokeWith(cr, rgb(0x3a302a), 2.0);
    ellipsePath(cr, 90 + swish, 53, 2.5, 3.5);
    fillWith(cr, rgb(0x2a221c));
    // Body with patches.
    roundedRectPath(cr, 24, 22, 64, 28, 13);
    fillLinear(cr, 0, 22, 0, 50, {{0, rgb(0xffffff)}, {1, rgb(0xd9d4ca)}}, true);
    strokeWith(cr, kOutline, 1.1);
    cairo_save(cr);
    roundedRectPath(cr, 24, 22, 64, 28, 13);
    cairo_clip(cr);
    ellipsePath(cr, 48, 28, 10, 8);
    ellipsePath(cr, 74, 38, 9, 10);
    ellipsePath(cr, 32, 44, 7, 5);
    fillWith(cr, rgb(0x26211e));
    cairo_restore(cr);
    ellipsePath(cr, 66, 51, 6, 3.5);
    fillWith(cr, rgb(0xf2a7b5));
    leg(30, 0, rgb(0xf4f1ea));
    leg(78, M_PI, rgb(0xf4f1ea));
    // Head, nodding with each step.
    cairo_save(cr);
    cairo_translate(cr, 0, nod + step * 0.5);
    cairo_move_to(cr, 12, 18);
    cairo_line_to(cr, 8, 12);
    cairo_move_to(cr, 22, 17);
    cairo_line_to(cr, 25, 11);
    strokeWith(cr, rgb(0xe9e0c8), 2.2);
    ellipsePath(cr, 5, 22, 5, 2.5);
    ellipsePath(cr, 29, 22, 5, 2.5);
    fillWith(cr, rgb(0x26211e));
    roundedRectPath(cr, 8, 17, 18, 22, 7);
    fillLinear(cr, 0, 17, 0, 39, {{0, rgb(0xffffff)}, {1, rgb(0xdcd6cc)}}, true);
    strokeWith(cr, kOutline, 1.0);
    roundedRectPath(cr, 7, 30, 20, 11, 5);
    fillWith(cr, rgb(0xf2a7b5));
    ellipsePath(cr, 12, 35, 1.3, 1.6);
    ellipsePath(cr, 22, 35, 1.3, 1.6);
    ellipsePath(cr, 12.5, 24, 1.8, 1.8);
    ellipsePath(cr, 21.5, 24, 1.8, 1.8);
    fillWith(cr, rgb(0x16120f));
    cairo_restore(cr);
}

FigureLook look(int w, int h, int total, int frames, std::function<void(cairo_t*, int)> draw, Colour matte) {
    FigureLook f;
    f.lookWidth = w;
    f.lookHeight = h;
    f.durations = evenDurations(total, frames);
    f.draw = std::move(draw);
    f.hotspotX = w / 2;
    f.hotspotY = h / 2;
    f.matte = matte;
    return f;
}

void death(FigureLook& f, int frames, int ms, int w, int h, double radius, std::vector<Colour> debris, bool fireball) {
    f.deathFrames = frames;
    f.deathFrameMs = ms;
    f.deathWidth = w;
    f.deathHeight = h;
    f.burstRadius = radius;
    f.debris = std::move(debris);
    f.fireball = fireball;
}

}  // namespace

std::vector<int> evenDurations(int total, int frames) {
    std::vector<int> out;
    int given = 0;
    for (int k = 1; k <= frames; ++k) {
        const int upTo = (total * k + frames / 2) / frames;
        out.push_back(upTo - given);
        given = upTo;
    }
    return out;
}

std::vector<FigureLook> figureLooks() {
    const Colour metal = rgb(0x8f99ab), white = rgb(0xf7f7f2), gold = rgb(0xf5c542), red = rgb(0xd83a2e);
    std::vector<FigureLook> looks;

    looks.push_back(look(64, 60, 675, 3, scoutSaucer, kSkyMatte));
    death(looks.back(), 8, 70, 120, 120, 44, {metal, rgb(0x7dff9a), rgb(0x4d5b70)}, true);

    looks.push_back(look(70, 60, 1350, 6, dove, kSkyMatte));
    death(looks.back(), 14, 70, 140, 160, 48, {white, white, rgb(0xc9cdd6)}, false);

    looks.push_back(look(72, 60, 850, 4, goldenSaucer, kSkyMatte));
    death(looks.back(), 8, 75, 150, 150, 58, {gold, rgb(0xfff27a), rgb(0x9a6a10)}, true);

    looks.push_back(look(320, 110, 38250, 85, mothership, kSkyMatte));

    FigureLook balloon = look(60, 110, 2600, 10, weatherBalloon, kSkyMatte);
    balloon.hotspotY = 30;
    death(balloon, 21, 60, 130, 160, 50, {white, rgb(0xff7b2e), rgb(0xbdb8b0)}, false);
    looks.push_back(balloon);

    looks.push_back(look(48, 60, 350, 3, tinyDrone, kSkyMatte));
    death(looks.back(), 24, 45, 110, 110, 42, {rgb(0x6d7790), rgb(0xff2b45), rgb(0x262a36)}, true);

    FigureLook beam = look(110, 150, 1200, 6, beamSaucer, kSkyMatte);
    beam.hotspotY = 30;
    death(beam, 10, 70, 180, 260, 70, {rgb(0xd7e6d0), rgb(0xd4ff5a), rgb(0x3f5a48)}, true);
    looks.push_back(beam);

    looks.push_back(look(100, 60, 525, 3, sideSaucer, kSkyMatte));
    death(looks.back(), 8, 75, 160, 140, 60, {metal, rgb(0x9a3d8a), rgb(0xfff06a)}, true);

    looks.push_back(look(70, 90, 1225, 7, jetpackAlien, kSkyMatte));
    looks.back().hotspotX = 38;
    looks.back().hotspotY = 36;
    death(looks.back(), 9, 75, 150, 160, 56, {rgb(0x7ed36a), rgb(0x8fa6d6), rgb(0xd3d7de)}, true);

    FigureLook hotAir = look(110, 140, 1400, 8, hotAirBalloon, kHillMatte);
    hotAir.hotspotY = 55;
    death(hotAir, 9, 80, 200, 220, 80, {rgb(0xe84a3c), rgb(0xf7c548), rgb(0x3d8fd1)}, false);
    looks.push_back(hotAir);

    looks.push_back(look(80, 80, 1000, 4, spikyProbe, kHillMatte));
    death(looks.back(), 9, 75, 160, 160, 62, {rgb(0xe0e6ee), rgb(0xff5a2a), rgb(0x59606e)}, true);

    looks.push_back(look(110, 64, 875, 5, redSaucer, kHillMatte));
    death(looks.back(), 12, 70, 200, 180, 80, {red, rgb(0xffb020), rgb(0x6a0d12)}, true);

    FigureLook plane = look(220, 70, 2250, 10, passengerPlane, kSkyMatte);
    plane.hotspotX = 110;
    plane.hotspotY = 42;
    looks.push_back(plane);

    FigureLook farm = look(96, 64, 2075, 8, tractor, kMeadowMatte);
    farm.hotspotY = 34;
    death(farm, 9, 80, 170, 150, 60, {rgb(0xd83a2e), rgb(0x1d1d21), rgb(0xfff07a)}, false);
    looks.push_back(farm);

    FigureLook cattle = look(100, 72, 2550, 17, cow, kMeadowMatte);
    cattle.hotspotY = 38;
    death(cattle, 6, 90, 150, 130, 48, {white, rgb(0x26211e), rgb(0xf2a7b5)}, false);
    looks.push_back(cattle);
    return looks;
}

}  // namespace gen
