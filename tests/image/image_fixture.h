#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_stream.h"
#include "display/surface.h"
#include "fakes/archive_builder.h"
#include "fakes/picture_encoder.h"
#include "platform/video_system.h"

// Pictures and masks of the tests, and one archive entry to read them from.
namespace imagetest {

inline fixture::Rgb reddish(std::int32_t x, std::int32_t y) {
    return fixture::Rgb{200, static_cast<std::uint8_t>(40 + x), static_cast<std::uint8_t>(30 + y)};
}

// The crosshair: opaque on two bars through the middle, transparent elsewhere.
inline bool aroundCross(std::int32_t x, std::int32_t y) { return !(x >= 13 && x <= 16) && !(y >= 13 && y <= 16); }

inline fixture::Bytes crossPicture() { return fixture::encodeJpeg(30, 30, reddish); }
inline fixture::Bytes crossMask() { return fixture::encodeMask(30, 30, aroundCross); }

// A stream standing at the start of one entry that holds data.
class Entry {
public:
    explicit Entry(const fixture::Bytes& data) : fixture_(fixture::singleEntry("pic.nl", data)) {
        opened_ = fixture_->stream() && fixture_->stream()->openEntry("pic.nl");
    }
    ArchiveStream* stream() const { return opened_ ? fixture_->stream() : nullptr; }

private:
    std::unique_ptr<fixture::ArchiveFixture> fixture_;
    bool opened_ = false;
};

inline bool noTileLocked(const Surface& s) {
    for (std::int32_t i = 0; i < s.tileCount(); ++i) {
        if (s.isTileLocked(i)) return false;
    }
    return true;
}

}  // namespace imagetest
