#include <cstdint>
#include <cstring>

#include "archive/executable_image.h"
#include "platform/game_error.h"

namespace {

std::uint32_t le16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t le32(const std::uint8_t* p) {
    return le16(p) | le16(p + 2) << 16;
}

void seekTo32(std::FILE* file, std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(INT32_MAX)) {
        throw GameError();
    }
    seekTo(file, offset);
}

void readFully(std::FILE* file, std::uint8_t* destination, std::size_t n) {
    if (std::fread(destination, 1, n, file) != n) {
        throw GameError();
    }
}

// A CodeView record that the linker may leave behind the last section:
// "NB10", a zero offset field, time stamp, age and the zero-terminated
// program database path. Only a path ending in ".pdb" (exactly so) within
// the first 255 bytes counts. Returns the bytes to skip, 0 if none.
std::uint64_t codeViewLength(std::FILE* file) {
    std::uint8_t probe[255];
    const std::size_t got = std::fread(probe, 1, sizeof probe, file);
    if (got < 5 || std::memcmp(probe, "NB10", 4) != 0 || probe[4] != 0) {
        return 0;
    }
    for (std::size_t j = 16; j <= 254 && j < got; ++j) {
        if (probe[j] == 0 && std::memcmp(probe + j - 4, ".pdb", 4) == 0) {
            return j + 1;
        }
    }
    return 0;
}

}  // namespace

std::uint64_t peImageEnd(std::FILE* file, const std::uint8_t (&head)[64]) {
    if (le16(head) != 0x5A4D) {
        throw GameError();
    }
    seekTo32(file, le32(head + 60));
    // Signature, file header and the 32-bit optional header; the section
    // table follows directly, whatever the optional header claims its size is.
    std::uint8_t headers[248];
    readFully(file, headers, sizeof headers);
    if (le32(headers) != 0x4550) {
        throw GameError();
    }
    const std::uint32_t sectionCount = le16(headers + 6);
    if (sectionCount == 0) {
        throw GameError();
    }
    std::uint8_t section[40];
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        readFully(file, section, sizeof section);
    }
    // The table's last entry marks the end, not the largest section end.
    // Positions in a PE file are 32-bit: the end wraps at 2^32, and an end
    // beyond a signed 32-bit file offset cannot be sought, so it fails.
    const std::uint32_t end = le32(section + 20) + le32(section + 16);
    seekTo32(file, end);
    const std::uint64_t behindCodeView = end + codeViewLength(file);
    seekTo32(file, behindCodeView);
    return behindCodeView;
}
