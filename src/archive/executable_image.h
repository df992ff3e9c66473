#pragma once

#include <cstdint>
#include <cstdio>

// Where the executable image in front of the appended data ends. Both take
// the first 64 bytes of the file, already read, and throw GameError on any
// header that is missing, short or points outside the file.

// PE: the raw end of the last section-table entry, moved behind a CodeView
// "NB10" record if one directly follows.
std::uint64_t peImageEnd(std::FILE* file, const std::uint8_t (&head)[64]);

// ELF (32 or 64 bit, either byte order): the largest end the headers describe
// (the header tables, the sections that occupy file space, the segments).
std::uint64_t elfImageEnd(std::FILE* file, const std::uint8_t (&head)[64]);

// Absolute seek that throws GameError on failure.
void seekTo(std::FILE* file, std::uint64_t offset);
