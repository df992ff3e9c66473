#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_buffer.h"

namespace datatools {

constexpr int kSampleRate = 44100;

// Mono 44100 Hz Ogg Vorbis with the two comments every sound carries: its
// true length ("Length: <ms>\n") and our producer. The serial number is
// fixed by the caller so that the same samples always give the same bytes.
Bytes encodeOgg(const std::vector<float>& samples, std::uint32_t serial);

std::string lengthComment(std::size_t sampleCount);

struct DecodedOgg {
    int channels = 0;
    long rate = 0;
    std::int64_t sampleFrames = 0;
    std::vector<std::string> comments;
    std::vector<float> samples;  // first channel
};

// Decodes the whole stream; throws std::runtime_error when it is not a
// readable Ogg Vorbis stream.
DecodedOgg decodeOgg(const Bytes& data);

}  // namespace datatools
