#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <cairo.h>

#include "picture.h"

namespace gen {

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
};

Colour rgb(int hex, double alpha = 1.0);
Colour mix(const Colour& a, const Colour& b, double t);

// A Cairo ARGB drawing surface that becomes a JPEG picture plus a 1-bit mask.
class Canvas {
public:
    Canvas(int width, int height);

    cairo_t* cr() const { return context_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // Colour picture with partly covered pixels blended toward matte(y), so
    // the edges that survive the mask carry a colour that suits the scene.
    datatools::RgbImage picture(const std::function<Colour(int y)>& matte) const;
    datatools::RgbImage picture(const Colour& matte) const;
    // A pixel is transparent where less than half of it is covered.
    datatools::Mask mask() const;
private:
    const std::uint32_t* row(int y) const;

    int width_;
    int height_;
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_;
    std::unique_ptr<cairo_t, void (*)(cairo_t*)> context_;
};

// Small drawing helpers on a context.
void setColour(cairo_t* cr, const Colour& c);
void fillWith(cairo_t* cr, const Colour& c);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
// A linear gradient from (x0,y0) to (x1,y1) through the given stops.
void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
                std::initializer_list<std::pair<double, Colour>> stops, bool preserve = false);
void fillRadial(cairo_t* cr, double cx, double cy, double r0, double r1,
                std::initializer_list<std::pair<double, Colour>> stops, bool preserve = false);
void strokeWith(cairo_t* cr, const Colour& c, double width, bool preserve = false);

// Deterministic random numbers: the same seed draws the same picture.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    std::uint32_t next();
    double uniform();                              // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint32_t state_;
};

}  // namespace gen
