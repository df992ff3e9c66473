#include "archive/tagged_records.h"

#include "archive/archive_stream.h"
#include "platform/game_error.h"

namespace {

// Walks records until one tagged name is current; the end of the data
// before that is a failure.
void findRecord(ArchiveStream& stream, const char* name) {
    char tag[2];
    while (true) {
        if (!stream.beginRecord(tag)) {
            throw GameError();
        }
        if (tagEquals(tag, name)) {
            return;
        }
        if (!stream.endRecord()) {
            throw GameError();
        }
    }
}

void readWord(ArchiveStream& stream, std::uint32_t* out) {
    if (!stream.readU32(out)) {
        throw GameError();
    }
}

void endFound(ArchiveStream& stream) {
    if (!stream.endRecord()) {
        throw GameError();
    }
}

}  // namespace

bool readCount(ArchiveStream* stream, std::uint32_t* out) {
    try {
        if (stream == nullptr || out == nullptr) {
            throw GameError();
        }
        findRecord(*stream, "FC");
        readWord(*stream, out);
        endFound(*stream);
        return true;
    } catch (const GameError&) {
        return false;
    }
}

bool readTimings(ArchiveStream* stream, std::int32_t* total, std::uint32_t* values, std::uint32_t n) {
    try {
        if (stream == nullptr || total == nullptr || values == nullptr) {
            throw GameError();
        }
        findRecord(*stream, "TI");
        // Summed unsigned: a long record of large words wraps rather than
        // overflowing.
        std::uint32_t sum = 0;
        *total = 0;
        for (std::uint32_t i = 0; i < n; ++i) {
            readWord(*stream, &values[i]);
            sum += values[i] & 0xFFF;
            *total = static_cast<std::int32_t>(sum);
        }
        endFound(*stream);
        return true;
    } catch (const GameError&) {
        return false;
    }
}
