#include "glyph_sheet.h"

#include <algorithm>
#include <cstring>

namespace gen {

const SheetLayout& bigSheetLayout() {
    static const SheetLayout layout{327, 236, 2, 2, 23, 37, 2, 2, 18, 28.0, 29.0, 2.2};
    return layout;
}

const SheetLayout& smallSheetLayout() {
    static const SheetLayout layout{208, 130, 0, 0, 16, 26, 0, 0, 12, 19.0, 19.5, 1.6};
    return layout;
}

const char* glyphOrder() { return "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.:,|-"; }

Colour glyphMatte() { return rgb(0x141826); }

std::unique_ptr<Canvas> drawGlyphSheet(const SheetLayout& l, const TextFace& face) {
    auto canvas = std::make_unique<Canvas>(l.width, l.height);
    cairo_t* cr = canvas->cr();
    face.use(cr, l.fontSize);
    const char* glyphs = glyphOrder();
    const int count = static_cast<int>(std::strlen(glyphs));
    // The pen moves by `advance`, so the letter sits in the first advance
    // pixels of its cell; wide letters are narrowed to fit.
    const double room = l.advance + 1.0 - l.outline;
    for (int n = 0; n < count; ++n) {
        const int col = n % 13, row = n / 13;
        const double x = col * (l.cellWidth + l.gapX) + l.originX;
        const double y = row * (l.cellHeight + l.gapY) + l.originY;
        if (y + l.cellHeight > l.height) break;
        const char text[2] = {glyphs[n], 0};
        cairo_text_extents_t ext;
        cairo_text_extents(cr, text, &ext);
        const double squeeze = std::min(1.0, room / std::max(1.0, ext.width));
        cairo_save(cr);
        cairo_rectangle(cr, x, y, l.cellWidth, l.cellHeight);
        cairo_clip(cr);
        const double centre = x + (l.advance + 2.0) / 2.0;
        cairo_save(cr);
        cairo_translate(cr, centre, y + l.baseline);
        cairo_scale(cr, squeeze, 1.0);
        cairo_move_to(cr, -(ext.x_bearing + ext.width / 2.0), 0);
        cairo_text_path(cr, text);
        cairo_restore(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        strokeWith(cr, glyphMatte(), l.outline * 2, true);
        fillLinear(cr, 0, y + l.baseline - l.fontSize * 0.75, 0, y + l.baseline,
                   {{0, rgb(0xffffff)}, {0.55, rgb(0xfdf6e0)}, {1, rgb(0xf2d79a)}});
        cairo_restore(cr);
    }
    return canvas;
}

}  // namespace gen
