#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_stream.h"
#include "fakes/archive_builder.h"
#include "fakes/picture_encoder.h"
#include "platform/video_system.h"

// Landscape and figure files built record by record for the world tests.
namespace worldtest {

using fixture::Bytes;
using fixture::concat;
using fixture::record;
using fixture::u32le;

inline fixture::Rgb red(std::int32_t, std::int32_t) { return {230, 20, 20}; }
inline fixture::Rgb blue(std::int32_t, std::int32_t) { return {20, 20, 230}; }
// Left half red, right half blue: tells a mirrored picture from the original.
inline std::function<fixture::Rgb(std::int32_t, std::int32_t)> redThenBlue(std::int32_t width) {
    return [width](std::int32_t x, std::int32_t y) { return x < width / 2 ? red(x, y) : blue(x, y); };
}

using Transparent = std::function<bool(std::int32_t x, std::int32_t y)>;

// One "JP" picture and its "PG" mask; without a mask the "PG" is empty.
inline Bytes image(std::int32_t w, std::int32_t h, const std::function<fixture::Rgb(std::int32_t, std::int32_t)>& colour,
                   const Transparent& transparent = nullptr) {
    return concat({record("JP", fixture::encodeJpeg(w, h, colour)),
                   record("PG", transparent ? fixture::encodeMask(w, h, transparent) : Bytes{})});
}

inline Bytes words(const std::vector<std::uint32_t>& values) {
    fixture::ByteWriter w;
    for (std::uint32_t v : values) w.u32(v);
    return w.take();
}

// "FC", "TI" and one plain picture per timing word, each w by h.
inline Bytes animationBlock(const std::vector<std::uint32_t>& timings, std::int32_t w = 8, std::int32_t h = 6) {
    Bytes out = concat({record("FC", u32le(static_cast<std::uint32_t>(timings.size()))), record("TI", words(timings))});
    for (std::size_t i = 0; i < timings.size(); ++i) out = concat({out, image(w, h, red)});
    return out;
}

struct TypeParams {
    std::int32_t id = 0;
    std::int32_t values[10] = {165, 15, 0, 45, 10, 125, 3, 1, 39, 2};  // baseY .. motionMode
    std::uint8_t mirrored = 0;
};

inline Bytes parameterRecord(const TypeParams& p) {
    fixture::ByteWriter w;
    w.u32(static_cast<std::uint32_t>(p.id));
    for (std::int32_t v : p.values) w.u32(static_cast<std::uint32_t>(v));
    w.u8(p.mirrored);
    return record("F3", w.take());
}

inline Bytes deathRecord(std::int32_t index, std::uint8_t hasOwn) {
    fixture::ByteWriter w;
    w.u32(static_cast<std::uint32_t>(index)).u8(hasOwn);
    return record("EX", w.take());
}

inline Bytes lookBlock(std::int32_t id, const std::vector<std::uint32_t>& timings, std::int32_t w = 8,
                       std::int32_t h = 6) {
    return concat({animationBlock(timings, w, h), record("F6", u32le(static_cast<std::uint32_t>(id)))});
}

// A stream standing at the start of one entry holding data.
class Entry {
public:
    explicit Entry(const Bytes& data) : fixture_(fixture::singleEntry("world.xx", data)) {
        opened_ = fixture_->stream() && fixture_->stream()->openEntry("world.xx");
    }
    ArchiveStream* stream() const { return opened_ ? fixture_->stream() : nullptr; }

private:
    std::unique_ptr<fixture::ArchiveFixture> fixture_;
    bool opened_ = false;
};

// Channels of a pixel read from a 32-bit surface.
inline bool isRed(std::uint32_t px) { return ((px >> 16) & 0xFF) > 180 && (px & 0xFF) < 80; }
inline bool isBlue(std::uint32_t px) { return (px & 0xFF) > 180 && ((px >> 16) & 0xFF) < 80; }

}  // namespace worldtest
