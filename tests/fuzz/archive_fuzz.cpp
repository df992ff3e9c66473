#include "archive_fuzz.h"

#include <stdio.h>

#include <algorithm>
#include <vector>

#include "archive/archive.h"
#include "archive/archive_locator.h"
#include "archive/archive_stream.h"
#include "archive/tagged_records.h"
#include "platform/game_error.h"

const char* const kDataFileNames[7] = {"stuff.x", "back.nb", "figur.xx", "cur.nl", "font.nl", "fonts.nl", "muni.nl"};

namespace {

// Reads a payload the way the different loaders do, picked by the tag so the
// fuzzer can steer it: fixed fields, block reads, or nothing at all.
void readPayload(ArchiveStream& stream, const char* tag) {
    std::uint8_t block[4096];
    switch ((tag[0] ^ tag[1]) & 3) {
    case 0: {
        std::uint8_t u8;
        std::uint16_t u16;
        std::uint32_t u32;
        (void)(stream.readU16(&u16) && stream.readU32(&u32) && stream.readU8(&u8));
        break;
    }
    case 1:
        while (stream.readUpTo(block, static_cast<std::int32_t>(sizeof block)) > 0) {
        }
        break;
    case 2: {
        // What a decoder does that sizes its buffer by the record.
        const std::int32_t size = stream.size();
        if (size > 0) {
            std::vector<std::uint8_t> whole(static_cast<std::size_t>(size));
            (void)stream.readExact(whole.data(), static_cast<std::uint32_t>(size));
        }
        break;
    }
    default:
        break;
    }
}

}  // namespace

void walkRecords(ArchiveStream& stream, const char* entryName) {
    char tag[2];
    while (stream.beginRecord(tag)) {
        readPayload(stream, tag);
        if (!stream.endRecord()) {
            break;
        }
    }
    stream.closeEntry();
    if (!stream.openEntry(entryName)) {
        return;
    }
    std::uint32_t count = 0;
    if (readCount(&stream, &count)) {
        std::uint32_t values[64];
        std::int32_t total = 0;
        (void)readTimings(&stream, &total, values, std::min<std::uint32_t>(count, 64));
    }
}

void fuzzArchive(const std::uint8_t* data, std::size_t size, const EntryVisitor& visit) {
    std::vector<std::uint8_t> copy(data, data + size);
    copy.push_back(0);  // an empty memory file is refused by some C libraries
    ArchiveLocator locator;
    try {
        locator.open(FileHandle(fmemopen(copy.data(), size == 0 ? 1 : size, "rb")));
    } catch (const GameError&) {
        return;
    }
    Archive archive;
    std::unique_ptr<ArchiveStream> stream = archive.openArchive(locator.handOver());
    if (!stream) {
        return;
    }
    for (const char* name : kDataFileNames) {
        (void)archive.entrySize(name);
        if (stream->openEntry(name)) {
            visit(*stream, name);
            stream->closeEntry();
        }
    }
    archive.release(std::move(stream));
}
