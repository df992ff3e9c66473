#pragma once

#include <memory>

#include "canvas.h"
#include "figure_looks.h"

namespace gen {

// Frame `index` of a figure's death animation. Frame 0 shows the figure
// itself at the moment of the hit, centred on its hotspot, so the burst
// starts exactly where the figure was.
std::unique_ptr<Canvas> deathFrame(const FigureLook& look, int index, std::uint32_t seed);

}  // namespace gen
