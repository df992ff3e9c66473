#pragma once

#include "picture.h"

namespace datatools {

// A 1-bit greyscale, non-interlaced PNG: white (1) is transparent.
Bytes encodeMaskPng(const Mask& mask);
// An 8-bit RGB PNG.
Bytes encodeRgbPng(const RgbImage& image);

struct DecodedPng {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colorType = 0;
    int interlace = 0;
    int channels = 0;
    Bytes samples;  // expanded to 8 bits per sample, `channels` per pixel
};

// Throws std::runtime_error when the data is not a readable PNG.
DecodedPng decodePng(const Bytes& data);

// A mask from a decoded 1-bit greyscale PNG; throws for any other kind.
Mask maskFromPng(const DecodedPng& png);

}  // namespace datatools
