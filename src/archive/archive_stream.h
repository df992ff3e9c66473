#pragma once

#include <cstddef>
#include <cstdint>

class Archive;

// The one reader of archive entries: opens an entry by name, reads its
// uncompressed bytes strictly forwards and tracks the current tagged record
// (a 2-byte tag, a u32 little-endian payload length, the payload).
// Nothing here throws; failures are reported as false or 0.
//
// Made by Archive::openArchive; it must not outlive its Archive.
class ArchiveStream {
public:
    explicit ArchiveStream(Archive& archive) : archive_(archive) {}
    ArchiveStream(const ArchiveStream&) = delete;
    ArchiveStream& operator=(const ArchiveStream&) = delete;

    bool openEntry(const char* name);
    void closeEntry();

    // Reads the next record's tag into tag[0..1] and its length, making it
    // the current record. False at the end of the entry (or when the header
    // cannot be read); the record state then stays as it was.
    bool beginRecord(char* tag);
    // Skips whatever is left of the current record's payload. False without
    // a current record or when the payload runs past the end of the entry.
    bool endRecord();
    // Payload length of the current record, -1 without one. Lengths that no
    // entry can hold read as INT32_MAX.
    std::int32_t recordLength() const;
    // The current record's payload size when it is non-empty, otherwise the
    // entry's uncompressed size. Never more than the entry can still hold
    // behind the record's header, so it is safe to size a buffer with.
    std::int32_t size() const;
    // True when a record is current and its tag is the two letters of name.
    bool tagIs(const char* name) const;
    bool inRecord() const { return inRecord_; }

    std::int32_t tell() const;
    bool readExact(void* destination, std::uint32_t n);
    bool skipTo(std::int64_t position);
    bool readU8(std::uint8_t* destination);
    bool readU16(std::uint16_t* destination);
    bool readU32(std::uint32_t* destination);
    // Reads min(n, bytes left in the current record) and returns that count;
    // 0 when nothing is left, no record is current or the read failed.
    std::int32_t readUpTo(void* destination, std::int32_t n);

private:
    std::int64_t recordEnd() const { return recordStart_ + 4 + static_cast<std::int64_t>(length_); }

    Archive& archive_;
    std::int32_t recordStart_ = -1;
    // The stored u32 as it is: a length above INT32_MAX must not turn
    // negative and make the walk step backwards into the payload.
    std::int64_t length_ = -1;
    char tag_[2] = {0, 0};
    bool inRecord_ = false;
};

// Compares a record tag with the two letters of name, byte for byte.
inline bool tagEquals(const char* tag, const char* name) {
    return tag != nullptr && name != nullptr && tag[0] == name[0] && tag[1] == name[1];
}
