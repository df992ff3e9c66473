#pragma once

#include <cairo.h>

#include "canvas.h"

namespace gen {

constexpr int kLayerCount = 5;
constexpr int kLayerHeight = 480;
constexpr int kLayerWidths[kLayerCount] = {2500, 2350, 2000, 1800, 1200};

// The late-afternoon sky at a given row, also used as the colour that the
// edges of farther scenery blend into.
Colour skyAt(double y);

// Draws background layer `layer` (0 = sky and far mountains, 4 = nearest
// scenery) in its own coordinates, 480 rows high.
void drawLayer(cairo_t* cr, int layer);
// Layer 0 without its sky, for scenes that bring their own sky.
void drawFarMountains(cairo_t* cr, int width);
// A night sky with stars and a moon over `width` x `height`.
void drawNightSky(cairo_t* cr, int width, int height);

// What the edges of layer `layer` blend into at row y.
Colour layerMatte(int layer, int y);

}  // namespace gen
