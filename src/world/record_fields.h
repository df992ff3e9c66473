#pragma once

#include <cstdint>

class ArchiveStream;

// Record steps of the figure file that throw GameError on failure, for
// loaders that catch it at their own boundary. A record whose payload is
// shorter than its fields is refused rather than read on into the next one.
namespace recordfields {

void begin(ArchiveStream& stream, char* tag);
void end(ArchiveStream& stream);
void requirePayload(const ArchiveStream& stream, std::int32_t bytes);
std::int32_t readI32(ArchiveStream& stream);
std::uint8_t readByte(ArchiveStream& stream);
// Begins the next record, which must carry tag and a u32, and ends it.
std::uint32_t readWordRecord(ArchiveStream& stream, const char* tag);

}  // namespace recordfields
