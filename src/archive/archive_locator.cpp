#include "archive/archive_locator.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "archive/executable_image.h"
#include "platform/game_error.h"

std::FILE* ArchiveLocator::open(const char* path) {
    if (path == nullptr) {
        throw GameError();
    }
    return open(FileHandle(std::fopen(path, "rb")));
}

std::FILE* ArchiveLocator::open(FileHandle file) {
    close();
    if (!file) {
        throw GameError();
    }
    // Kept before checking, so that a failed check still leaves the stream
    // for close() to take care of.
    file_ = std::move(file);
    return check();
}

void ArchiveLocator::close() {
    file_.reset();
}

std::FILE* ArchiveLocator::check() {
    std::FILE* file = file_.get();
    std::uint8_t head[64];
    if (std::fread(head, 1, sizeof head, file) != sizeof head) {
        throw GameError();
    }
    std::uint64_t end = 0;
    if (head[0] == 'M' && head[1] == 'Z') {
        end = peImageEnd(file, head);
    } else if (std::memcmp(head, "\x7F" "ELF", 4) == 0) {
        end = elfImageEnd(file, head);
    } else {
        throw GameError();
    }
    seekTo(file, end);
    return file;
}
