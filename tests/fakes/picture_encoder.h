#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Pictures for tests and benchmarks, encoded in memory by the same libraries
// the game decodes with.
namespace fixture {

struct Rgb {
    std::uint8_t r, g, b;
};

// A baseline JPEG, three components, no chroma subsampling.
std::vector<std::uint8_t> encodeJpeg(std::int32_t width, std::int32_t height,
                                     const std::function<Rgb(std::int32_t x, std::int32_t y)>& pixel,
                                     int quality = 100);

// A 1-bit greyscale, non-interlaced PNG: true marks a transparent pixel.
std::vector<std::uint8_t> encodeMask(std::int32_t width, std::int32_t height,
                                     const std::function<bool(std::int32_t x, std::int32_t y)>& transparent);

}  // namespace fixture
