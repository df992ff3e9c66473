#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive.h"
#include "archive/archive_locator.h"
#include "archive/archive_stream.h"

// Builders for archive fixtures: tagged records, ZIP archives (written with
// minizip's zip side, in memory), crafted PE and ELF executables, and a
// ready-to-read stream over an executable with a ZIP appended.
namespace fixture {

using Bytes = std::vector<std::uint8_t>;

// Little-endian byte writer for record payloads and headers.
class ByteWriter {
public:
    ByteWriter& u8(std::uint8_t v);
    ByteWriter& u16(std::uint16_t v);
    ByteWriter& u32(std::uint32_t v);
    ByteWriter& bytes(const Bytes& data);
    ByteWriter& text(const std::string& s);  // without terminating zero
    ByteWriter& zeros(std::size_t n);
    // One tagged record: 2-byte tag, u32 length, payload.
    ByteWriter& record(const char* tag, const Bytes& payload = {});
    // A record header that claims length bytes, with no payload behind it.
    ByteWriter& recordHeader(const char* tag, std::uint32_t length);
    const Bytes& data() const { return data_; }
    Bytes take() { return std::move(data_); }

private:
    Bytes data_;
};

Bytes record(const char* tag, const Bytes& payload = {});
Bytes u32le(std::uint32_t v);
Bytes concat(std::initializer_list<Bytes> parts);

struct ZipEntry {
    std::string name;
    Bytes data;
    bool deflate = true;
};
// A plain ZIP archive whose offsets count from its own first byte.
Bytes makeZip(const std::vector<ZipEntry>& entries);

struct PeSection {
    std::uint32_t rawPointer;
    std::uint32_t rawSize;
};
// A minimal PE image: DOS header, PE headers at peOffset, the section table
// behind the 248 header bytes, and the file padded up to the highest raw end
// of its sections.
struct PeImage {
    std::vector<PeSection> sections = {{0x400, 0x200}};
    std::uint32_t peOffset = 0x80;
    std::uint32_t peSignature = 0x4550;
};
Bytes makePe(const PeImage& image);
// The end of the image as the locator sees it: the last table entry's end.
std::uint32_t peImageEnd(const PeImage& image);
// A CodeView debug record: "NB10", offset field, time stamp, age, path, zero.
Bytes codeViewRecord(const std::string& pdbPath, std::uint32_t offsetField = 0);

struct ElfSection {
    std::uint64_t offset;
    std::uint64_t size;
    bool noBits = false;  // occupies no file space (.bss)
};
struct ElfSegment {
    std::uint64_t offset;
    std::uint64_t fileSize;
};
// A minimal ELF file with the given tables; the headers are placed where the
// fields say, and the file is padded to the largest described end.
struct ElfImage {
    bool is64 = true;
    bool bigEndian = false;
    std::vector<ElfSection> sections;  // a null section 0 is added in front
    std::vector<ElfSegment> segments;
    std::uint64_t sectionTableOffset = 0;  // 0: placed behind everything else
    std::uint64_t segmentTableOffset = 0;  // 0: directly behind the ELF header
};
Bytes makeElf(const ElfImage& image);
// The largest end any header of image describes.
std::uint64_t elfImageEnd(const ElfImage& image);
// A small little-endian ELF64 with a few sections, a stand-in for the game.
Bytes smallElf();

// The whole content of a file; empty if it cannot be read.
Bytes readFile(const std::string& path);

// A file in the temporary folder that is removed again on destruction.
class TempFile {
public:
    explicit TempFile(const Bytes& content);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// An executable with a ZIP of the given entries appended, written to a
// temporary file and opened through the locator and the archive. stream() is
// null when opening failed.
class ArchiveFixture {
public:
    explicit ArchiveFixture(const std::vector<ZipEntry>& entries, const Bytes& executable = smallElf());
    ~ArchiveFixture();
    ArchiveStream* stream() const { return stream_.get(); }
    Archive& archive() { return archive_; }

private:
    TempFile file_;
    Archive archive_;
    std::unique_ptr<ArchiveStream> stream_;
};

// Convenience: a fixture with one entry named name holding data.
std::unique_ptr<ArchiveFixture> singleEntry(const std::string& name, const Bytes& data);

}  // namespace fixture
