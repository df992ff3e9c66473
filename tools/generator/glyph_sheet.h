#pragma once

#include <memory>

#include "canvas.h"
#include "text_face.h"

namespace gen {

// Where the game looks for each glyph cell in a sheet.
struct SheetLayout {
    int width, height;
    int originX, originY;
    int cellWidth, cellHeight;
    int gapX, gapY;
    int advance;
    double fontSize;
    double baseline;  // from the top of a cell
    double outline;   // width of the dark edge
};

const SheetLayout& bigSheetLayout();
const SheetLayout& smallSheetLayout();

// The 67 glyph characters in cell order.
const char* glyphOrder();

// Draws the sheet: pale letters with a dark outline; everything else is
// left transparent for the mask.
std::unique_ptr<Canvas> drawGlyphSheet(const SheetLayout& layout, const TextFace& face);

// The colour the letters' edges blend into.
Colour glyphMatte();

}  // namespace gen
