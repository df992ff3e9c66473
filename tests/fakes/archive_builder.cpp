#include "fakes/archive_builder.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include <zip.h>

namespace fixture {

ByteWriter& ByteWriter::u8(std::uint8_t v) {
    data_.push_back(v);
    return *this;
}

ByteWriter& ByteWriter::u16(std::uint16_t v) {
    return u8(static_cast<std::uint8_t>(v)).u8(static_cast<std::uint8_t>(v >> 8));
}

ByteWriter& ByteWriter::u32(std::uint32_t v) {
    return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16));
}

ByteWriter& ByteWriter::bytes(const Bytes& data) {
    data_.insert(data_.end(), data.begin(), data.end());
    return *this;
}

ByteWriter& ByteWriter::text(const std::string& s) {
    data_.insert(data_.end(), s.begin(), s.end());
    return *this;
}

ByteWriter& ByteWriter::zeros(std::size_t n) {
    data_.insert(data_.end(), n, 0);
    return *this;
}

ByteWriter& ByteWriter::recordHeader(const char* tag, std::uint32_t length) {
    return u8(static_cast<std::uint8_t>(tag[0])).u8(static_cast<std::uint8_t>(tag[1])).u32(length);
}

ByteWriter& ByteWriter::record(const char* tag, const Bytes& payload) {
    return recordHeader(tag, static_cast<std::uint32_t>(payload.size())).bytes(payload);
}

Bytes record(const char* tag, const Bytes& payload) {
    return ByteWriter().record(tag, payload).take();
}

Bytes u32le(std::uint32_t v) {
    return ByteWriter().u32(v).take();
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// ---- ZIP, written by minizip into a scratch file ----

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(std::string("archive fixture: ") + what);
    }
}

}  // namespace

Bytes makeZip(const std::vector<ZipEntry>& entries) {
    const TempFile scratch({});
    zipFile zip = zipOpen64(scratch.path().c_str(), APPEND_STATUS_CREATE);
    check(zip != nullptr, "zipOpen");
    for (const ZipEntry& entry : entries) {
        zip_fileinfo info{};
        check(zipOpenNewFileInZip(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                  entry.deflate ? Z_DEFLATED : 0, Z_DEFAULT_COMPRESSION) == ZIP_OK,
              "zipOpenNewFileInZip");
        if (!entry.data.empty()) {
            check(zipWriteInFileInZip(zip, entry.data.data(), static_cast<unsigned>(entry.data.size())) == ZIP_OK,
                  "zipWriteInFileInZip");
        }
        check(zipCloseFileInZip(zip) == ZIP_OK, "zipCloseFileInZip");
    }
    check(zipClose(zip, nullptr) == ZIP_OK, "zipClose");
    return readFile(scratch.path());
}

// ---- PE ----

namespace {

void put32(Bytes& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

}  // namespace

Bytes makePe(const PeImage& image) {
    const std::size_t tableStart = image.peOffset + 248;
    std::size_t size = std::max<std::size_t>(64, tableStart + 40 * image.sections.size());
    for (const PeSection& s : image.sections) {
        size = std::max<std::size_t>(size, static_cast<std::size_t>(s.rawPointer) + s.rawSize);
    }
    Bytes bytes(size, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    put32(bytes, 60, image.peOffset);
    put32(bytes, image.peOffset, image.peSignature);
    bytes[image.peOffset + 4] = 0x4C;  // i386
    bytes[image.peOffset + 5] = 0x01;
    bytes[image.peOffset + 6] = static_cast<std::uint8_t>(image.sections.size());
    bytes[image.peOffset + 7] = static_cast<std::uint8_t>(image.sections.size() >> 8);
    for (std::size_t i = 0; i < image.sections.size(); ++i) {
        const std::size_t at = tableStart + 40 * i;
        std::memcpy(&bytes[at], ".sect", 5);
        put32(bytes, at + 16, image.sections[i].rawSize);
        put32(bytes, at + 20, image.sections[i].rawPointer);
    }
    return bytes;
}

std::uint32_t peImageEnd(const PeImage& image) {
    const PeSection& last = image.sections.back();
    return last.rawPointer + last.rawSize;
}

Bytes codeViewRecord(const std::string& pdbPath, std::uint32_t offsetField) {
    return ByteWriter().text("NB10").u32(offsetField).u32(0x5F5E0F00).u32(1).text(pdbPath).u8(0).take();
}

// ---- ELF ----

namespace {

class ElfWriter {
public:
    ElfWriter(Bytes& bytes, bool bigEndian) : bytes_(bytes), bigEndian_(bigEndian) {}

    void put(std::uint64_t at, std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            const int shift = bigEndian_ ? (size - 1 - i) * 8 : i * 8;
            bytes_[at + i] = static_cast<std::uint8_t>(value >> shift);
        }
    }

private:
    Bytes& bytes_;
    bool bigEndian_;
};

struct ElfLayout {
    std::uint64_t header, sectionEntry, segmentEntry, segmentTable, sectionTable, end;
};

ElfLayout layOut(const ElfImage& image) {
    ElfLayout l{};
    l.header = image.is64 ? 64 : 52;
    l.sectionEntry = image.is64 ? 64 : 40;
    l.segmentEntry = image.is64 ? 56 : 32;
    l.segmentTable = image.segments.empty() ? 0 : (image.segmentTableOffset ? image.segmentTableOffset : l.header);
    std::uint64_t end = l.header;
    if (l.segmentTable) {
        end = std::max(end, l.segmentTable + l.segmentEntry * image.segments.size());
    }
    for (const ElfSection& s : image.sections) {
        if (!s.noBits) {
            end = std::max(end, s.offset + s.size);
        }
    }
    for (const ElfSegment& s : image.segments) {
        end = std::max(end, s.offset + s.fileSize);
    }
    l.sectionTable = image.sectionTableOffset ? image.sectionTableOffset : (end + 7) / 8 * 8;
    l.end = std::max(end, l.sectionTable + l.sectionEntry * (image.sections.size() + 1));
    return l;
}

}  // namespace

Bytes makeElf(const ElfImage& image) {
    const ElfLayout l = layOut(image);
    Bytes bytes(l.end, 0);
    ElfWriter w(bytes, image.bigEndian);
    const bool wide = image.is64;
    const int word = wide ? 8 : 4;
    std::memcpy(bytes.data(), "\x7F" "ELF", 4);
    bytes[4] = wide ? 2 : 1;
    bytes[5] = image.bigEndian ? 2 : 1;
    bytes[6] = 1;
    w.put(16, 2, 2);  // executable
    w.put(18, wide ? 62 : 3, 2);
    w.put(20, 1, 4);
    w.put(wide ? 32 : 28, l.segmentTable, word);
    w.put(wide ? 40 : 32, l.sectionTable, word);
    const std::uint64_t counts = wide ? 52 : 40;
    w.put(counts, l.header, 2);
    w.put(counts + 2, l.segmentEntry, 2);
    w.put(counts + 4, image.segments.size(), 2);
    w.put(counts + 6, l.sectionEntry, 2);
    w.put(counts + 8, image.sections.size() + 1, 2);
    for (std::size_t i = 0; i < image.segments.size(); ++i) {
        const std::uint64_t at = l.segmentTable + i * l.segmentEntry;
        w.put(at, 1, 4);  // loadable
        w.put(at + (wide ? 8 : 4), image.segments[i].offset, word);
        w.put(at + (wide ? 32 : 16), image.segments[i].fileSize, word);
        w.put(at + (wide ? 40 : 20), image.segments[i].fileSize, word);
    }
    for (std::size_t i = 0; i < image.sections.size(); ++i) {
        const std::uint64_t at = l.sectionTable + (i + 1) * l.sectionEntry;
        w.put(at + 4, image.sections[i].noBits ? 8 : 1, 4);
        w.put(at + (wide ? 24 : 16), image.sections[i].offset, word);
        w.put(at + (wide ? 32 : 20), image.sections[i].size, word);
    }
    return bytes;
}

std::uint64_t elfImageEnd(const ElfImage& image) {
    return layOut(image).end;
}

Bytes smallElf() {
    ElfImage image;
    image.sections = {{0x100, 0x80}, {0x180, 0x90}, {0x210, 0x400, true}};
    image.segments = {{0, 0x210}};
    return makeElf(image);
}

// ---- files ----

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return {};
    }
    Bytes bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        return {};
    }
    return bytes;
}

TempFile::TempFile(const Bytes& content) {
    const char* dir = std::getenv("TMPDIR");
    std::string path = std::string(dir && *dir ? dir : "/tmp") + "/shooter-fixture-XXXXXX";
    const int fd = mkstemp(path.data());
    check(fd >= 0, "mkstemp");
    path_ = path;
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = write(fd, content.data() + written, content.size() - written);
        if (n <= 0) {
            ::close(fd);
            check(false, "write");
        }
        written += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}

ArchiveFixture::ArchiveFixture(const std::vector<ZipEntry>& entries, const Bytes& executable)
    : file_(concat({executable, makeZip(entries)})) {
    ArchiveLocator locator;
    try {
        locator.open(file_.path().c_str());
    } catch (const std::exception&) {
        return;
    }
    stream_ = archive_.openArchive(locator.handOver());
}

ArchiveFixture::~ArchiveFixture() {
    archive_.release(std::move(stream_));
}

std::unique_ptr<ArchiveFixture> singleEntry(const std::string& name, const Bytes& data) {
    return std::make_unique<ArchiveFixture>(std::vector<ZipEntry>{{name, data}});
}

}  // namespace fixture
