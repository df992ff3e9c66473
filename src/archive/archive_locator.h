#pragma once

#include <cstdio>
#include <utility>

#include "archive/file_handle.h"

// Finds the data archive appended to the program's own file. `open` checks
// the executable headers (PE, or ELF in either class and byte order) and
// leaves the stream positioned behind the executable image. Every failure
// throws GameError with an empty text; the caller catches it.
//
// The handle stays owned by the locator until `handOver` passes it on to the
// archive reader; `close` and the destructor close it only while owned.
class ArchiveLocator {
public:
    ArchiveLocator() = default;
    ~ArchiveLocator() { close(); }
    ArchiveLocator(const ArchiveLocator&) = delete;
    ArchiveLocator& operator=(const ArchiveLocator&) = delete;

    // Opens the file at path with mode "rb" and checks it.
    std::FILE* open(const char* path);
    // Checks an already opened stream (tests and in-memory files). A null
    // handle fails like a file that cannot be opened.
    std::FILE* open(FileHandle file);
    void close();

    // The stream while it is owned here; null otherwise.
    std::FILE* handle() const { return file_.get(); }
    // Gives up ownership: from here on the receiver closes the stream.
    FileHandle handOver() { return std::move(file_); }

private:
    std::FILE* check();

    FileHandle file_;
};
