#pragma once

#include <cstdint>
#include <memory>

#include "archive/archive_stream.h"
#include "archive/file_handle.h"

// The ZIP archive behind the executable image, read with minizip over the
// stream the locator opened. The reader finds the archive from the end of the
// file, so whatever stands in front of it (the executable) is just a prefix.
// One entry is open at a time; reading goes through the ArchiveStream.
class Archive {
public:
    Archive();
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    // Takes ownership of file (it is closed on failure and by close). Null
    // when file is null or holds no readable archive.
    std::unique_ptr<ArchiveStream> openArchive(FileHandle file);
    // Deletes the stream, then closes the archive and its file.
    void release(std::unique_ptr<ArchiveStream> stream);
    void close();
    bool isOpen() const { return handle_ != nullptr; }

    // Finds name without regard to ASCII letter case. On failure no entry is
    // open, even if one was before.
    bool openEntry(const char* name);
    void closeEntry();
    bool entryOpen() const { return entryOpen_; }
    // Uncompressed size of the named entry (0 if it is missing); leaves no
    // entry open.
    std::int32_t entrySize(const char* name);
    // The size the ZIP directory gives, but never more than the entry's
    // compressed bytes in the file could inflate to.
    std::int32_t currentEntrySize() const;

    // Bytes read so far from the open entry.
    std::int32_t tell() const;
    // True only when exactly n bytes came; a short read consumes what was there.
    bool readExact(void* destination, std::uint32_t n);
    // Reads forward to position and discards the bytes; never moves back.
    bool skipTo(std::int64_t position);

    struct FileLink;

private:
    void* handle_ = nullptr;
    bool entryOpen_ = false;
    std::uint64_t fileSize_ = 0;
    std::unique_ptr<FileLink> link_;
};
