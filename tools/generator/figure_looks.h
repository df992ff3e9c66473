#pragma once

#include <functional>
#include <vector>

#include <cairo.h>

#include "canvas.h"

namespace gen {

// How one figure type looks and dies. `draw` paints frame `index` of the
// look into a canvas of lookWidth x lookHeight; (hotspotX, hotspotY) is the
// point of the body where a death burst is centred.
struct FigureLook {
    int lookWidth = 64;
    int lookHeight = 60;
    std::vector<int> durations;  // one per frame of the look
    std::function<void(cairo_t*, int index)> draw;
    double hotspotX = 32;
    double hotspotY = 30;
    Colour matte;                // what the figure is usually seen against

    int deathFrames = 0;         // 0: the figure has no death animation
    int deathFrameMs = 70;
    int deathWidth = 160;
    int deathHeight = 160;
    std::vector<Colour> debris;  // colours of the flying pieces
    double burstRadius = 60;
    bool fireball = true;        // craft explode; living things puff
};

// The fifteen figure types in list order.
std::vector<FigureLook> figureLooks();

// Splits `total` milliseconds over `frames` frames as evenly as whole numbers allow.
std::vector<int> evenDurations(int total, int frames);

}  // namespace gen
