#include <algorithm>

#include "archive/executable_image.h"
#include "platform/game_error.h"

namespace {

constexpr std::uint64_t kSectionNull = 0;
constexpr std::uint64_t kSectionNoBits = 8;
constexpr std::uint32_t kManySegments = 0xFFFF;

// Field access in the file's own class and byte order.
class ElfLayout {
public:
    explicit ElfLayout(const std::uint8_t (&head)[64]) {
        if ((head[4] != 1 && head[4] != 2) || (head[5] != 1 && head[5] != 2) || head[6] != 1) {
            throw GameError();
        }
        is64_ = head[4] == 2;
        bigEndian_ = head[5] == 2;
    }

    bool is64() const { return is64_; }

    std::uint64_t read(const std::uint8_t* p, int bytes) const {
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            const int shift = bigEndian_ ? (bytes - 1 - i) * 8 : i * 8;
            v |= static_cast<std::uint64_t>(p[i]) << shift;
        }
        return v;
    }
    // An address-sized field: 8 bytes in ELF64, 4 in ELF32.
    std::uint64_t word(const std::uint8_t* p) const { return read(p, is64_ ? 8 : 4); }

private:
    bool is64_ = false;
    bool bigEndian_ = false;
};

struct Table {
    std::uint64_t offset;
    std::uint64_t count;
    std::uint64_t entrySize;
};

std::uint64_t fileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        throw GameError();
    }
    const long size = std::ftell(file);
    if (size < 0) {
        throw GameError();
    }
    return static_cast<std::uint64_t>(size);
}

// The end of [offset, offset + size), refused if it leaves the file.
std::uint64_t extentEnd(std::uint64_t offset, std::uint64_t size, std::uint64_t limit) {
    if (offset > limit || size > limit - offset) {
        throw GameError();
    }
    return offset + size;
}

std::uint64_t tableEnd(const Table& table, std::uint64_t limit) {
    if (table.offset > limit || table.count > (limit - table.offset) / table.entrySize) {
        throw GameError();
    }
    return table.offset + table.count * table.entrySize;
}

void readEntry(std::FILE* file, const Table& table, std::uint64_t index, std::uint8_t* destination,
               std::size_t n) {
    seekTo(file, table.offset + index * table.entrySize);
    if (std::fread(destination, 1, n, file) != n) {
        throw GameError();
    }
}

}  // namespace

std::uint64_t elfImageEnd(std::FILE* file, const std::uint8_t (&head)[64]) {
    const ElfLayout elf(head);
    const std::uint64_t limit = fileSize(file);
    const bool is64 = elf.is64();
    const std::uint8_t* counts = head + (is64 ? 54 : 42);  // phentsize, phnum, shentsize, shnum
    Table segments{elf.word(head + (is64 ? 32 : 28)), elf.read(counts + 2, 2), elf.read(counts, 2)};
    Table sections{elf.word(head + (is64 ? 40 : 32)), elf.read(counts + 6, 2), elf.read(counts + 4, 2)};
    const std::size_t sectionBytes = is64 ? 64 : 40;
    const std::size_t segmentBytes = is64 ? 56 : 32;

    std::uint64_t end = extentEnd(0, is64 ? 64 : 52, limit);
    std::uint8_t entry[64];
    if (sections.offset != 0) {
        if (sections.entrySize < sectionBytes) {
            throw GameError();
        }
        // Files with very many sections or segments keep the real counts in
        // the first section header.
        if (sections.count == 0 || segments.count == kManySegments) {
            tableEnd({sections.offset, 1, sections.entrySize}, limit);
            readEntry(file, sections, 0, entry, sectionBytes);
            if (sections.count == 0) {
                sections.count = std::max<std::uint64_t>(1, elf.word(entry + (is64 ? 32 : 20)));
            }
            if (segments.count == kManySegments) {
                segments.count = elf.read(entry + (is64 ? 44 : 28), 4);
            }
        }
        end = std::max(end, tableEnd(sections, limit));
        for (std::uint64_t i = 0; i < sections.count; ++i) {
            readEntry(file, sections, i, entry, sectionBytes);
            // Null and .bss-like sections occupy no file space; the null
            // section's size field may even hold the section count.
            const std::uint64_t type = elf.read(entry + 4, 4);
            if (type != kSectionNull && type != kSectionNoBits) {
                const std::uint8_t* range = entry + (is64 ? 24 : 16);
                end = std::max(end, extentEnd(elf.word(range), elf.word(range + (is64 ? 8 : 4)), limit));
            }
        }
    }
    if (segments.offset != 0 && segments.count != 0) {
        if (segments.entrySize < segmentBytes) {
            throw GameError();
        }
        end = std::max(end, tableEnd(segments, limit));
        for (std::uint64_t i = 0; i < segments.count; ++i) {
            readEntry(file, segments, i, entry, segmentBytes);
            const std::uint64_t offset = elf.word(entry + (is64 ? 8 : 4));
            const std::uint64_t fileSize = elf.word(entry + (is64 ? 32 : 16));
            end = std::max(end, extentEnd(offset, fileSize, limit));
        }
    }
    return end;
}
