#include "death_burst.h"

#include <algorithm>
#include <cmath>

namespace gen {
namespace {

constexpr double kTau = 2.0 * M_PI;

struct Particle {
    double angle, speed, size, spin;
    int colour;
};

std::vector<Particle> particles(std::uint32_t seed, int count, double speedLo, double speedHi) {
    Rng rng(seed);
    std::vector<Particle> out;
    for (int i = 0; i < count; ++i)
        out.push_back(Particle{kTau * (i + rng.range(-0.3, 0.3)) / count, rng.range(speedLo, speedHi),
                               rng.range(0.6, 1.2), rng.range(-6, 6), static_cast<int>(rng.next() % 3)});
    return out;
}

void drawFigure(cairo_t* cr, const FigureLook& look, double cx, double cy, double scale) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -look.hotspotX, -look.hotspotY);
    look.draw(cr, 0);
    cairo_restore(cr);
}

void flash(cairo_t* cr, double cx, double cy, double r, double strength) {
    ellipsePath(cr, cx, cy, r, r);
    fillRadial(cr, cx, cy, 0, r, {{0, rgb(0xffffff, strength)}, {0.5, rgb(0xfff4c0, strength * 0.8)}, {1, rgb(0xffd070, 0)}});
}

void smoke(cairo_t* cr, double cx, double cy, double R, double p, std::uint32_t seed, const Colour& dark,
           const Colour& light) {
    Rng rng(seed + 7);
    const double fade = 1.0 - std::clamp((p - 0.65) / 0.35, 0.0, 1.0);
    for (int k = 0; k < 8; ++k) {
        const double a = kTau * k / 8 + rng.range(-0.3, 0.3);
        const double d = R * (0.15 + 0.55 * p) * rng.range(0.6, 1.0);
        const double r = R * (0.16 + 0.22 * std::sqrt(p)) * rng.range(0.7, 1.1) * fade;
        if (r < 1.0) continue;
        const double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.7 - R * 0.35 * p;
        ellipsePath(cr, x, y, r, r);
        fillRadial(cr, x - r * 0.3, y - r * 0.3, 0, r * 1.2, {{0, light}, {1, dark}});
    }
}

}  // namespace

std::unique_ptr<Canvas> deathFrame(const FigureLook& look, int index, std::uint32_t seed) {
    auto canvas = std::make_unique<Canvas>(look.deathWidth, look.deathHeight);
    cairo_t* cr = canvas->cr();
    const double cx = look.deathWidth / 2.0, cy = look.deathHeight / 2.0, R = look.burstRadius;
    // The last frame still shows the final wisps: an empty frame would be wasted.
    const double p = static_cast<double>(index) / look.deathFrames;

    if (index == 0) {
        drawFigure(cr, look, cx, cy, 1.0);
        flash(cr, cx, cy, R * 0.35, 0.95);
        return canvas;
    }
    if (index == 1) drawFigure(cr, look, cx, cy, 0.85);

    const auto debris = particles(seed, 12, 0.7, 1.3);
    if (look.fireball) {
        smoke(cr, cx, cy, R, p, seed, rgb(0x3a3838, 0.9), rgb(0x8a8580, 0.95));
        // The fireball swells fast and burns down.
        const double grow = std::sin(M_PI * std::min(1.0, p * 1.5));
        const double r = R * (0.25 + 0.6 * grow);
        if (p < 0.75) {
            ellipsePath(cr, cx, cy, r, r);
            fillRadial(cr, cx, cy, 0, r, {{0, rgb(0xffffff)}, {0.25, rgb(0xfff3a0)}, {0.6, rgb(0xff9a2a)},
                                          {0.85, rgb(0xe0401a, 0.85)}, {1, rgb(0x801010, 0.0)}});
        }
        // Sparks streak outward.
        if (p < 0.8) {
            for (const Particle& s : particles(seed + 1, 14, 0.8, 1.4)) {
                const double d0 = R * s.speed * p * 1.1, d1 = d0 + R * 0.28 * (1 - p);
                cairo_move_to(cr, cx + std::cos(s.angle) * d0, cy + std::sin(s.angle) * d0);
                cairo_line_to(cr, cx + std::cos(s.angle) * d1, cy + std::sin(s.angle) * d1);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                strokeWith(cr, rgb(0xfff0a0), 2.2 * (1 - p) + 1.0);
            }
        }
    } else {
        // Living things and bystanders vanish in a soft puff of dust.
        smoke(cr, cx, cy, R * 1.05, p, seed, rgb(0xcfc8bc, 0.95), rgb(0xffffff));
        if (p < 0.5) flash(cr, cx, cy, R * (0.4 + p), 0.9 - p);
        for (int k = 0; k < 5; ++k) {  // little stars spinning out
            const double a = kTau * k / 5 + p * 2;
            const double d = R * (0.3 + 0.8 * p);
            if (p > 0.85) break;
            cairo_save(cr);
            cairo_translate(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.8);
            cairo_rotate(cr, p * 5 + k);
            for (int j = 0; j < 5; ++j) {
                const double t = kTau * j / 5 - M_PI / 2;
                cairo_line_to(cr, std::cos(t) * 6, std::sin(t) * 6);
                cairo_line_to(cr, std::cos(t + kTau / 10) * 2.6, std::sin(t + kTau / 10) * 2.6);
            }
            cairo_close_path(cr);
            fillWith(cr, rgb(0xfff27a));
            cairo_restore(cr);
        }
    }
    // Debris tumbles outward and falls.
    for (const Particle& d : debris) {
        const double dist = R * d.speed * p * 1.2;
        const double x = cx + std::cos(d.angle) * dist;
        const double y = cy + std::sin(d.angle) * dist + R * 0.7 * p * p;
        const double s = (look.fireball ? 5.0 : 4.0) * d.size * (1.0 - 0.4 * p);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, d.spin * p);
        if (look.fireball) {
            cairo_move_to(cr, -s, -s * 0.6);
            cairo_line_to(cr, s * 0.9, -s * 0.8);
            cairo_line_to(cr, s * 0.5, s * 0.7);
            cairo_line_to(cr, -s * 0.7, s * 0.5);
            cairo_close_path(cr);
        } else {
            ellipsePath(cr, 0, 0, s * 1.4, s * 0.55);
        }
        fillWith(cr, look.debris[static_cast<std::size_t>(d.colour) % look.debris.size()]);
        cairo_restore(cr);
    }
    return canvas;
}

}  // namespace gen
