#include "world/record_fields.h"

#include "archive/archive_stream.h"
#include "platform/game_error.h"

namespace recordfields {

void begin(ArchiveStream& stream, char* tag) {
    if (!stream.beginRecord(tag)) throw GameError();
}

void end(ArchiveStream& stream) {
    if (!stream.endRecord()) throw GameError();
}

void requirePayload(const ArchiveStream& stream, std::int32_t bytes) {
    if (stream.recordLength() < bytes) throw GameError();
}

std::int32_t readI32(ArchiveStream& stream) {
    std::uint32_t value = 0;
    if (!stream.readU32(&value)) throw GameError();
    return static_cast<std::int32_t>(value);
}

std::uint8_t readByte(ArchiveStream& stream) {
    std::uint8_t value = 0;
    if (!stream.readU8(&value)) throw GameError();
    return value;
}

std::uint32_t readWordRecord(ArchiveStream& stream, const char* tag) {
    char found[2];
    begin(stream, found);
    if (!tagEquals(found, tag)) throw GameError();
    requirePayload(stream, 4);
    const auto value = static_cast<std::uint32_t>(readI32(stream));
    end(stream);
    return value;
}

}  // namespace recordfields
