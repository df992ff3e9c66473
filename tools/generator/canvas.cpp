#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace gen {

Colour rgb(int hex, double alpha) {
    return Colour{((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, alpha};
}

Colour mix(const Colour& a, const Colour& b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy),
      context_(cairo_create(surface_.get()), cairo_destroy) {
    if (cairo_status(context_.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("Cairo context failed");
}

namespace {

std::uint8_t toByte(double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))); }

}  // namespace

const std::uint32_t* Canvas::row(int y) const {
    cairo_surface_flush(surface_.get());
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
}

datatools::RgbImage Canvas::picture(const std::function<Colour(int y)>& matte) const {
    datatools::RgbImage image;
    image.width = width_;
    image.height = height_;
    image.rgb.resize(static_cast<std::size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        const Colour m = matte(y);
        const std::uint32_t* pixels = row(y);
        std::uint8_t* out = &image.rgb[static_cast<std::size_t>(y) * width_ * 3];
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = pixels[x];
            const double a = (p >> 24) / 255.0;
            // Cairo keeps colours premultiplied: adding the matte's share
            // gives the pixel composited over the matte.
            out[0] = toByte(((p >> 16) & 0xFF) + m.r * 255.0 * (1.0 - a));
            out[1] = toByte(((p >> 8) & 0xFF) + m.g * 255.0 * (1.0 - a));
            out[2] = toByte((p & 0xFF) + m.b * 255.0 * (1.0 - a));
            out += 3;
        }
    }
    return image;
}

datatools::RgbImage Canvas::picture(const Colour& matte) const {
    return picture([&matte](int) { return matte; });
}

datatools::Mask Canvas::mask() const {
    datatools::Mask mask;
    mask.width = width_;
    mask.height = height_;
    mask.transparent.resize(static_cast<std::size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* pixels = row(y);
        for (int x = 0; x < width_; ++x)
            mask.transparent[static_cast<std::size_t>(y) * width_ + x] = (pixels[x] >> 24) < 128 ? 1 : 0;
    }
    return mask;
}

void setColour(cairo_t* cr, const Colour& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void fillWith(cairo_t* cr, const Colour& c) {
    setColour(cr, c);
    cairo_fill(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, std::max(rx, 1e-3), std::max(ry, 1e-3));
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

namespace {

void fillPattern(cairo_t* cr, cairo_pattern_t* pattern, std::initializer_list<std::pair<double, Colour>> stops,
                 bool preserve) {
    for (const auto& [offset, c] : stops) cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, c.a);
    cairo_set_source(cr, pattern);
    if (preserve)
        cairo_fill_preserve(cr);
    else
        cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

}  // namespace

void fillLinear(cairo_t* cr, double x0, double y0, double x1, double y1,
                std::initializer_list<std::pair<double, Colour>> stops, bool preserve) {
    fillPattern(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops, preserve);
}

void fillRadial(cairo_t* cr, double cx, double cy, double r0, double r1,
                std::initializer_list<std::pair<double, Colour>> stops, bool preserve) {
    fillPattern(cr, cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), stops, preserve);
}

void strokeWith(cairo_t* cr, const Colour& c, double width, bool preserve) {
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    if (preserve)
        cairo_stroke_preserve(cr);
    else
        cairo_stroke(cr);
}

std::uint32_t Rng::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform() { return (next() >> 8) / 16777216.0; }

}  // namespace gen
