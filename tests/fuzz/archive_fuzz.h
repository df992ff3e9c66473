#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

class ArchiveStream;

// Feeds bytes, taken as a whole program file (executable image with a ZIP
// appended), through the locator and the archive, and hands the stream to
// visit once for each of the game's data files that opens. Nothing here may
// crash, hang or leak whatever the bytes are.
using EntryVisitor = std::function<void(ArchiveStream& stream, const char* entryName)>;
void fuzzArchive(const std::uint8_t* data, std::size_t size, const EntryVisitor& visit);

// The default visit: a record walk that reads payloads in the ways the
// loaders do, then readCount and readTimings on the entry opened anew.
void walkRecords(ArchiveStream& stream, const char* entryName);

// The names the game opens, in the order it loads them.
extern const char* const kDataFileNames[7];
