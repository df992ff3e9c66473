#pragma once

#include "picture.h"

namespace datatools {

// Baseline 8-bit three-component JPEG, the only kind the game decodes.
Bytes encodeJpeg(const RgbImage& image, int quality);

// Throws std::runtime_error with libjpeg's message when the data is not a
// decodable JPEG.
RgbImage decodeJpeg(const Bytes& data);

}  // namespace datatools
