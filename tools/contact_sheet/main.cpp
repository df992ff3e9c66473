// shooter-contact-sheet: lays every picture and every figure frame of a
// gallery folder out on one PNG, masks applied, for a look at the art.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include <cairo.h>

#include "gallery_manifest.h"
#include "jpeg_codec.h"
#include "png_codec.h"

namespace {

using namespace datatools;

struct Tile {
    std::string label;
    RgbImage colour;
    Mask mask;  // empty: opaque
};

Tile loadTile(const std::string& folder, const PictureRef& ref, const std::string& label) {
    Tile tile{label, decodeJpeg(readFile(folder + "/" + ref.picture)), Mask{}};
    if (!ref.mask.empty()) tile.mask = maskFromPng(decodePng(readFile(folder + "/" + ref.mask)));
    return tile;
}

// Paints a tile at (x, y) scaled by `scale` over a checker board that makes
// transparent parts plain to see.
// The tile as a Cairo picture whose masked pixels are fully transparent.
cairo_surface_t* toSurface(const Tile& tile) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tile.colour.width, tile.colour.height);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int py = 0; py < tile.colour.height; ++py) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + py * stride);
        for (int px = 0; px < tile.colour.width; ++px) {
            const std::size_t i = static_cast<std::size_t>(py) * tile.colour.width + px;
            const bool clear = !tile.mask.transparent.empty() && tile.mask.transparent[i];
            const std::uint8_t* c = &tile.colour.rgb[i * 3];
            row[px] = clear ? 0u : (0xFF000000u | (c[0] << 16) | (c[1] << 8) | c[2]);
        }
    }
    cairo_surface_mark_dirty(image);
    return image;
}

void paintTile(cairo_t* cr, const Tile& tile, double x, double y, double scale, bool checker = true) {
    cairo_surface_t* image = toSurface(tile);
    const double w = tile.colour.width * scale, h = tile.colour.height * scale;
    for (double cy = 0; checker && cy < h; cy += 8)
        for (double cx = 0; cx < w; cx += 8) {
            const bool dark = (static_cast<int>(cx / 8) + static_cast<int>(cy / 8)) % 2;
            cairo_rectangle(cr, x + cx, y + cy, std::min(8.0, w - cx), std::min(8.0, h - cy));
            cairo_set_source_rgb(cr, dark ? 0.55 : 0.65, dark ? 0.55 : 0.65, dark ? 0.6 : 0.7);
            cairo_fill(cr);
        }
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(image);
}

// Writes text with a glyph sheet the way the game does: 13 cells a row,
// the pen moving by `advance` for a glyph and by `spaceAdvance` otherwise.
struct SheetMetrics {
    int originX, originY, cellWidth, cellHeight, gapX, gapY, advance, spaceAdvance;
};

void writeText(cairo_t* cr, cairo_surface_t* sheet, const SheetMetrics& m, double x, double y, const std::string& text) {
    static const std::string order = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.:,|-";
    const int sheetHeight = cairo_image_surface_get_height(sheet);
    for (char ch : text) {
        const auto n = order.find(ch);
        if (n == std::string::npos) {
            x += m.spaceAdvance;
            continue;
        }
        const int cx = static_cast<int>(n % 13) * (m.cellWidth + m.gapX) + m.originX;
        const int cy = static_cast<int>(n / 13) * (m.cellHeight + m.gapY) + m.originY;
        if (cy + m.cellHeight <= sheetHeight) {
            cairo_save(cr);
            cairo_rectangle(cr, x, y, m.cellWidth, m.cellHeight);
            cairo_clip(cr);
            cairo_set_source_surface(cr, sheet, x - cx, y - cy);
            cairo_paint(cr);
            cairo_restore(cr);
        }
        x += m.advance;
    }
}

// The highscore and end screens with their texts written in the two fonts.
void writeTextScreens(const std::string& folder, const GalleryManifest& m, const std::string& output) {
    const Tile board = loadTile(folder, *m.highscore, ""), end = loadTile(folder, *m.end, "");
    cairo_surface_t* big = toSurface(loadTile(folder, m.bigFont, ""));
    cairo_surface_t* small = toSurface(loadTile(folder, m.smallFont, ""));
    const SheetMetrics bigMetrics{2, 2, 23, 37, 2, 2, 18, 10}, smallMetrics{0, 0, 16, 26, 0, 0, 12, 5};
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640 * 2 + 8, 480);
    cairo_t* cr = cairo_create(sheet);
    paintTile(cr, board, 0, 0, 1.0, false);
    writeText(cr, big, bigMetrics, 320 - 110, 10, "Der Highscore");
    const char* names[] = {"Quillon", "Marla", "Ostrik", "Beni", "Tamsin", "Jorek", "Ilvy", "Pardo", "Velko", "Neu"};
    for (int i = 0; i < 10; ++i) {
        const std::string score = std::to_string(900 - i * 100 + (i == 9 ? 50 : 0));
        writeText(cr, big, bigMetrics, 40, 80 + 38 * i, names[i]);
        writeText(cr, big, bigMetrics, 640 - static_cast<double>(score.size()) * 18 - 40, 80 + 38 * i, score);
    }
    paintTile(cr, end, 648, 0, 1.0, false);
    cairo_save(cr);
    cairo_rectangle(cr, 648, 0, 640, 480);
    cairo_clip(cr);
    writeText(cr, small, smallMetrics, 648 + 40, 450, "Shooter - ein Spiel ueber einen Spaetnachmittag im Tal, an dem die Untertassen kamen.");
    writeText(cr, small, smallMetrics, 648 + 40, 20, "SCORE: 1250   Zeit 1:05");
    cairo_restore(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(big);
    cairo_surface_destroy(small);
    const cairo_status_t status = cairo_surface_write_to_png(sheet, output.c_str());
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(output + ": cannot be written");
}

// Two views of the running game: the layers at two scroll positions with
// every figure type at its height, drawn between the layers as the game
// interleaves them.
void writePlayScreens(const std::string& folder, const GalleryManifest& m, const std::string& output) {
    std::vector<Tile> layers;
    for (std::size_t i = 0; i < m.background.size(); ++i) layers.push_back(loadTile(folder, m.background[i], ""));
    std::vector<Tile> looks;
    for (const FigureRef& f : m.figures)
        for (const LookRef& l : m.looks)
            if (l.id == f.id) looks.push_back(loadTile(folder, l.animation.frames.front().image, ""));
    int widest = 0;
    for (const Tile& t : layers) widest = std::max(widest, t.colour.width);
    const int scrolls[2] = {300, 1300};
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640 * 2 + 8, 480);
    cairo_t* cr = cairo_create(sheet);
    for (int view = 0; view < 2; ++view) {
        cairo_save(cr);
        cairo_translate(cr, view * 648, 0);
        cairo_rectangle(cr, 0, 0, 640, 480);
        cairo_clip(cr);
        for (int layer = 0; layer < 6; ++layer) {
            const float factor =
                layer < static_cast<int>(layers.size())
                    ? static_cast<float>(layers[layer].colour.width - 640) / static_cast<float>(widest - 640)
                    : 1.0f;
            const double offset = std::trunc(scrolls[view] * factor);
            if (layer < static_cast<int>(layers.size())) paintTile(cr, layers[layer], -offset, 0, 1.0, false);
            for (std::size_t t = 0; t < m.figures.size() && t < looks.size(); ++t) {
                if (m.figures[t].layer != layer) continue;
                const Tile& look = looks[t];
                const double x = 60 + static_cast<double>((t * 97 + view * 310) % 560);
                paintTile(cr, look, x - look.colour.width / 2, m.figures[t].baseY - look.colour.height / 2, 1.0, false);
            }
        }
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(sheet, output.c_str());
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(output + ": cannot be written");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: shooter-contact-sheet GALLERY-FOLDER scenery|figures|play|text OUTPUT.png\n");
        return 2;
    }
    try {
        const std::string folder = argv[1], part = argv[2];
        const std::string text = [&] {
            const Bytes b = readFile(folder + "/manifest.json");
            return std::string(b.begin(), b.end());
        }();
        const GalleryManifest m = manifestFromJson(text);
        if (part == "text") {
            writeTextScreens(folder, m, argv[3]);
            return 0;
        }
        if (part == "play") {
            writePlayScreens(folder, m, argv[3]);
            return 0;
        }
        std::vector<std::vector<Tile>> rows;
        double scale = 1.0;
        if (part == "scenery") {
            scale = 0.5;
            for (std::size_t i = 0; i < m.background.size(); ++i)
                rows.push_back({loadTile(folder, m.background[i], "layer " + std::to_string(i))});
            rows.push_back({loadTile(folder, *m.title, "title"), loadTile(folder, *m.highscore, "highscore"),
                            loadTile(folder, *m.end, "end")});
            rows.push_back({loadTile(folder, m.bigFont, "big font"), loadTile(folder, m.smallFont, "small font"),
                            loadTile(folder, m.cursor, "crosshair"), loadTile(folder, m.ammo.image, "cartridge")});
        } else {
            for (std::size_t t = 0; t < m.figures.size(); ++t) {
                std::vector<Tile> look, death;
                for (const LookRef& l : m.looks)
                    if (l.id == m.figures[t].id)
                        for (const FrameRef& f : l.animation.frames) look.push_back(loadTile(folder, f.image, ""));
                if (look.size() > 12) look.resize(12);  // the long mothership loop: its start is enough
                if (m.figures[t].death)
                    for (const FrameRef& f : m.figures[t].death->frames) death.push_back(loadTile(folder, f.image, ""));
                look.insert(look.end(), death.begin(), death.end());
                rows.push_back(std::move(look));
            }
            scale = 0.75;
        }
        // Lay the rows out, wrapping at a fixed sheet width.
        const double sheetWidth = 1300, gap = 4;
        struct Placed {
            const Tile* tile;
            double x, y;
        };
        std::vector<Placed> placed;
        double y = gap;
        for (const auto& row : rows) {
            double x = gap, rowHeight = 0;
            for (const Tile& t : row) {
                const double w = t.colour.width * scale, h = t.colour.height * scale;
                if (x + w > sheetWidth && x > gap) {
                    x = gap;
                    y += rowHeight + gap;
                    rowHeight = 0;
                }
                placed.push_back({&t, x, y});
                x += w + gap;
                rowHeight = std::max(rowHeight, h);
            }
            y += rowHeight + gap * 2;
        }
        cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(sheetWidth), static_cast<int>(y));
        cairo_t* cr = cairo_create(sheet);
        cairo_set_source_rgb(cr, 0.16, 0.17, 0.2);
        cairo_paint(cr);
        for (const Placed& p : placed) paintTile(cr, *p.tile, p.x, p.y, scale);
        cairo_destroy(cr);
        const cairo_status_t status = cairo_surface_write_to_png(sheet, argv[3]);
        cairo_surface_destroy(sheet);
        if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(std::string(argv[3]) + ": cannot be written");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "shooter-contact-sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
