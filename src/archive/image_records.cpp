#include "archive/image_records.h"

#include <cstdint>

#include "archive/archive_stream.h"
#include "display/surface.h"
#include "image/jpeg_decoder.h"
#include "image/mask_decoder.h"
#include "image/picture_limits.h"
#include "platform/game_error.h"

namespace {

constexpr std::uint16_t kSizeHeaderVersion = 10;

void readMask(ArchiveStream& stream, Surface& surface) {
    if (stream.recordLength() > 0 && !decodeMask(&stream, &surface)) throw GameError();
}

void readPicture(ArchiveStream& stream, Surface& surface, platform::VideoDevice* device) {
    if (!decodeJpeg(&stream, &surface, device)) throw GameError();
}

}  // namespace

bool readImage(ArchiveStream* stream, Surface* surface, platform::VideoDevice* device) {
    if (!stream || !surface || !device) return false;
    try {
        std::int32_t w = 0;
        std::int32_t h = 0;
        bool sawMP = false;
        bool sawJP = false;
        bool sawPG = false;
        for (;;) {
            char tag[2];
            if (!stream->beginRecord(tag)) {
                if (sawMP && sawJP) return true;
                throw GameError();
            }
            if (tagEquals(tag, "PG")) {
                readMask(*stream, *surface);
                sawPG = true;
            } else if (tagEquals(tag, "JP")) {
                if (surface->width() != w || surface->height() != h) {
                    if (!surface->create(w, h, device)) throw GameError();
                }
                readPicture(*stream, *surface, device);
                w = surface->width();
                h = surface->height();
                sawJP = true;
            } else if (tagEquals(tag, "MP")) {
                std::uint16_t version = 0;
                std::uint32_t width = 0;
                std::uint32_t height = 0;
                if (!stream->readU16(&version) || version != kSizeHeaderVersion) throw GameError();
                if (!stream->readU32(&width) || !stream->readU32(&height)) throw GameError();
                // The surface is made at this size before the picture says its own.
                if (width > kMaxPictureSide || height > kMaxPictureSide) throw GameError();
                w = static_cast<std::int32_t>(width);
                h = static_cast<std::int32_t>(height);
                sawMP = true;
            }
            if (!stream->endRecord()) throw GameError();
            if (sawJP && sawPG) return true;
        }
    } catch (const GameError&) {
        return false;
    }
}

bool readImagePair(ArchiveStream* stream, Surface* surface, platform::VideoDevice* device) {
    if (!stream || !surface || !device) return false;
    try {
        bool sawJP = false;
        bool sawPG = false;
        for (;;) {
            char tag[2];
            if (!stream->beginRecord(tag)) throw GameError();
            if (tagEquals(tag, "PG")) {
                readMask(*stream, *surface);
                sawPG = true;
            } else if (tagEquals(tag, "JP")) {
                readPicture(*stream, *surface, device);
                sawJP = true;
            }
            if (sawJP && sawPG) return true;
            if (!stream->endRecord()) throw GameError();
        }
    } catch (const GameError&) {
        return false;
    }
}
