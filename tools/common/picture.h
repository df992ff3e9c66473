#pragma once

#include <cstdint>

#include "byte_buffer.h"

namespace datatools {

// A colour picture, 3 bytes per pixel in the order red, green, blue.
struct RgbImage {
    int width = 0;
    int height = 0;
    Bytes rgb;
};

// One byte per pixel; non-zero marks a transparent pixel.
struct Mask {
    int width = 0;
    int height = 0;
    Bytes transparent;

    int opaqueCount() const;
};

}  // namespace datatools
