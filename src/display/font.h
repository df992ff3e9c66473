#pragma once

#include "display/surface.h"

// A glyph sheet with its metrics.
class Font {
public:
    void destroy() { sheet_.destroy(); }

private:
    Surface sheet_;
};
