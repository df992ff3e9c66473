#pragma once

#include <cstdint>

class ArchiveStream;

// Generic readers over the tagged-record walk: records they do not look for
// are begun and ended unread. Both stop right behind the record they found
// and report every failure (including the end of the data) as false.

// Finds the next "FC" record and reads its u32 frame count.
bool readCount(ArchiveStream* stream, std::uint32_t* out);

// Finds the next "TI" record, reads n u32 timing words into values and sets
// total to the sum of their low 12 bits. Words beyond the n-th are skipped.
bool readTimings(ArchiveStream* stream, std::int32_t* total, std::uint32_t* values, std::uint32_t n);
