#include "cookie_file.h"

#include <algorithm>
#include <cstring>

struct CookieAccess {
    static ssize_t read(void* cookie, char* buffer, size_t size) {
        auto* file = static_cast<CookieFile*>(cookie);
        const long left = static_cast<long>(file->content_.size()) - file->position_;
        const size_t n = left <= 0 ? 0 : std::min(size, static_cast<size_t>(left));
        if (n > 0) {
            std::memcpy(buffer, file->content_.data() + file->position_, n);
        }
        file->position_ += static_cast<long>(n);
        return static_cast<ssize_t>(n);
    }

    static int seek(void* cookie, off64_t* offset, int whence) {
        auto* file = static_cast<CookieFile*>(cookie);
        long base = 0;
        if (whence == SEEK_CUR) {
            base = file->position_;
        } else if (whence == SEEK_END) {
            base = static_cast<long>(file->content_.size());
        }
        if (base + *offset < 0) {
            return -1;
        }
        file->position_ = static_cast<long>(base + *offset);
        *offset = file->position_;
        return 0;
    }

    static int close(void* cookie) {
        ++static_cast<CookieFile*>(cookie)->closes_;
        return 0;
    }
};

CookieFile::CookieFile(fixture::Bytes content) : content_(std::move(content)) {}

std::FILE* CookieFile::open() {
    position_ = 0;
    cookie_io_functions_t functions{};
    functions.read = &CookieAccess::read;
    functions.seek = &CookieAccess::seek;
    functions.close = &CookieAccess::close;
    return fopencookie(this, "rb", functions);
}
