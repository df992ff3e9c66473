#include "archive/archive.h"

#include <algorithm>
#include <climits>
#include <utility>

#include <unzip.h>

// The stream minizip reads through. minizip closes it through our callback
// (on a failed open, too), and the callback forgets it, so whatever is still
// here afterwards has not been closed yet.
struct Archive::FileLink {
    FileHandle file;
};

namespace {

constexpr int kIgnoreCase = 2;
// unzReadCurrentFile counts in int: larger reads go in pieces.
constexpr std::uint32_t kReadPiece = 1u << 20;
constexpr std::uint32_t kSkipBuffer = 4096;
// Deflate never expands data by more than this factor; with the compressed
// bytes an entry really has in the file it bounds what the entry can hold.
constexpr std::uint64_t kMaxDeflateRatio = 1032;
constexpr std::uint64_t kDeflateSlack = 1024;

std::FILE* streamOf(voidpf stream) {
    return static_cast<std::FILE*>(stream);
}

voidpf ZCALLBACK openLinked(voidpf opaque, const void*, int) {
    return static_cast<Archive::FileLink*>(opaque)->file.get();
}

uLong ZCALLBACK readLinked(voidpf, voidpf stream, void* buffer, uLong size) {
    return static_cast<uLong>(std::fread(buffer, 1, size, streamOf(stream)));
}

uLong ZCALLBACK writeNothing(voidpf, voidpf, const void*, uLong) {
    return 0;
}

ZPOS64_T ZCALLBACK tellLinked(voidpf, voidpf stream) {
    const long position = std::ftell(streamOf(stream));
    return position < 0 ? static_cast<ZPOS64_T>(-1) : static_cast<ZPOS64_T>(position);
}

long ZCALLBACK seekLinked(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    int whence = SEEK_SET;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_CUR: whence = SEEK_CUR; break;
    case ZLIB_FILEFUNC_SEEK_END: whence = SEEK_END; break;
    case ZLIB_FILEFUNC_SEEK_SET: whence = SEEK_SET; break;
    default: return -1;
    }
    if (offset > static_cast<ZPOS64_T>(LONG_MAX)) {
        return -1;
    }
    return std::fseek(streamOf(stream), static_cast<long>(offset), whence) == 0 ? 0 : -1;
}

int ZCALLBACK closeLinked(voidpf opaque, voidpf) {
    static_cast<Archive::FileLink*>(opaque)->file.reset();
    return 0;
}

int ZCALLBACK errorLinked(voidpf, voidpf stream) {
    return std::ferror(streamOf(stream));
}

std::int32_t clampToInt32(std::uint64_t value) {
    return value > static_cast<std::uint64_t>(INT32_MAX) ? INT32_MAX : static_cast<std::int32_t>(value);
}

}  // namespace

Archive::Archive() : link_(std::make_unique<FileLink>()) {}

Archive::~Archive() {
    close();
}

std::unique_ptr<ArchiveStream> Archive::openArchive(FileHandle file) {
    if (!file) {
        return nullptr;
    }
    close();
    fileSize_ = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        fileSize_ = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    }
    link_->file = std::move(file);
    zlib_filefunc64_def functions{};
    functions.zopen64_file = openLinked;
    functions.zread_file = readLinked;
    functions.zwrite_file = writeNothing;
    functions.ztell64_file = tellLinked;
    functions.zseek64_file = seekLinked;
    functions.zclose_file = closeLinked;
    functions.zerror_file = errorLinked;
    functions.opaque = link_.get();
    // The path is never used: the open callback hands out the linked stream.
    handle_ = unzOpen2_64("", &functions);
    if (handle_ == nullptr) {
        link_->file.reset();
        return nullptr;
    }
    return std::make_unique<ArchiveStream>(*this);
}

void Archive::release(std::unique_ptr<ArchiveStream> stream) {
    stream.reset();
    close();
}

void Archive::close() {
    closeEntry();
    if (handle_ != nullptr) {
        // unzClose frees the reader whatever it reports, so the handle is
        // gone either way.
        unzClose(handle_);
        handle_ = nullptr;
    }
    link_->file.reset();
}

bool Archive::openEntry(const char* name) {
    if (name == nullptr || handle_ == nullptr) {
        return false;
    }
    closeEntry();
    if (unzLocateFile(handle_, name, kIgnoreCase) != UNZ_OK || unzOpenCurrentFile(handle_) != UNZ_OK) {
        return false;
    }
    entryOpen_ = true;
    return true;
}

void Archive::closeEntry() {
    if (entryOpen_) {
        // A checksum complaint about a completely read entry changes nothing
        // for us, and the reader gives up the entry whatever it reports.
        unzCloseCurrentFile(handle_);
        entryOpen_ = false;
    }
}

std::int32_t Archive::entrySize(const char* name) {
    if (!openEntry(name)) {
        return 0;
    }
    const std::int32_t size = currentEntrySize();
    closeEntry();
    return size;
}

std::int32_t Archive::currentEntrySize() const {
    if (!entryOpen_) {
        return 0;
    }
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(handle_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        return 0;
    }
    // The directory's size is only a claim; loaders size buffers by it, so
    // it is held to what the entry's compressed bytes could ever yield.
    const std::uint64_t compressed = std::min<std::uint64_t>(info.compressed_size, fileSize_);
    const std::uint64_t most = info.compression_method == 0 ? compressed : compressed * kMaxDeflateRatio + kDeflateSlack;
    return clampToInt32(std::min<std::uint64_t>(info.uncompressed_size, most));
}

std::int32_t Archive::tell() const {
    if (!entryOpen_) {
        return 0;
    }
    const ZPOS64_T position = unztell64(handle_);
    return position == static_cast<ZPOS64_T>(-1) ? 0 : clampToInt32(position);
}

bool Archive::readExact(void* destination, std::uint32_t n) {
    if (destination == nullptr || n == 0 || !entryOpen_) {
        return false;
    }
    auto* out = static_cast<unsigned char*>(destination);
    while (n > 0) {
        const std::uint32_t piece = n < kReadPiece ? n : kReadPiece;
        const int got = unzReadCurrentFile(handle_, out, piece);
        if (got <= 0) {
            return false;
        }
        out += got;
        n -= static_cast<std::uint32_t>(got);
    }
    return true;
}

bool Archive::skipTo(std::int64_t position) {
    std::int64_t left = position - tell();
    // Skipped data comes from the file, so the skip may be any length: read
    // it through a small buffer rather than one as large as the skip.
    unsigned char scratch[kSkipBuffer];
    while (left > 0) {
        const std::uint32_t piece = left < kSkipBuffer ? static_cast<std::uint32_t>(left) : kSkipBuffer;
        if (!readExact(scratch, piece)) {
            return false;
        }
        left -= piece;
    }
    return true;
}
