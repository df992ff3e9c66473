#include "archive/archive_stream.h"

#include <algorithm>
#include <climits>

#include "archive/archive.h"

bool ArchiveStream::openEntry(const char* name) {
    return archive_.openEntry(name);
}

void ArchiveStream::closeEntry() {
    archive_.closeEntry();
}

bool ArchiveStream::beginRecord(char* tag) {
    if (tag == nullptr) {
        return false;
    }
    char read[2];
    if (!readExact(read, sizeof read)) {
        return false;
    }
    tag[0] = read[0];
    tag[1] = read[1];
    const std::int32_t start = tell();
    std::uint32_t length = 0;
    if (!readU32(&length)) {
        return false;
    }
    recordStart_ = start;
    tag_[0] = read[0];
    tag_[1] = read[1];
    length_ = length;
    inRecord_ = true;
    return true;
}

bool ArchiveStream::endRecord() {
    if (!inRecord_ || length_ == -1) {
        return false;
    }
    if (!skipTo(recordEnd())) {
        return false;
    }
    inRecord_ = false;
    recordStart_ = -1;
    length_ = -1;
    return true;
}

std::int32_t ArchiveStream::recordLength() const {
    return length_ > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(length_);
}

std::int32_t ArchiveStream::size() const {
    const std::int32_t entrySize = archive_.currentEntrySize();
    if (inRecord_ && length_ > 0) {
        // A length that runs past the entry is cut to what is there, so the
        // result never sizes a buffer beyond the entry's own data.
        const std::int64_t room = std::max<std::int64_t>(0, entrySize - (static_cast<std::int64_t>(recordStart_) + 4));
        return static_cast<std::int32_t>(std::min(length_, room));
    }
    return entrySize;
}

bool ArchiveStream::tagIs(const char* name) const {
    return inRecord_ && tagEquals(tag_, name);
}

std::int32_t ArchiveStream::tell() const {
    return archive_.tell();
}

bool ArchiveStream::readExact(void* destination, std::uint32_t n) {
    return archive_.readExact(destination, n);
}

bool ArchiveStream::skipTo(std::int64_t position) {
    return archive_.skipTo(position);
}

bool ArchiveStream::readU8(std::uint8_t* destination) {
    return readExact(destination, 1);
}

bool ArchiveStream::readU16(std::uint16_t* destination) {
    std::uint8_t b[2];
    if (destination == nullptr || !readExact(b, sizeof b)) {
        return false;
    }
    *destination = static_cast<std::uint16_t>(b[0] | b[1] << 8);
    return true;
}

bool ArchiveStream::readU32(std::uint32_t* destination) {
    std::uint8_t b[4];
    if (destination == nullptr || !readExact(b, sizeof b)) {
        return false;
    }
    *destination = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                   static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return true;
}

std::int32_t ArchiveStream::readUpTo(void* destination, std::int32_t n) {
    if (!inRecord_ || n <= 0) {
        return 0;
    }
    const std::int64_t left = recordEnd() - tell();
    if (left <= 0) {
        return 0;
    }
    const std::int32_t count = static_cast<std::int32_t>(std::min<std::int64_t>(n, left));
    return readExact(destination, static_cast<std::uint32_t>(count)) ? count : 0;
}
