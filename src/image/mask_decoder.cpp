#include "image/mask_decoder.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "archive/archive_stream.h"
#include "display/surface.h"
#include "image/picture_limits.h"

namespace {

void readFromStream(png_structp png, png_bytep data, png_size_t length) {
    auto* stream = static_cast<ArchiveStream*>(png_get_io_ptr(png));
    if (length > UINT32_MAX || !stream->readExact(data, static_cast<std::uint32_t>(length))) {
        png_error(png, "Read Error");
    }
}

// libpng's complaints end in a failed decode, not in a message.
void pngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void pngWarning(png_structp, png_const_charp) {}

// The part that libpng may leave by a jump: it owns nothing with a destructor.
bool readWholePng(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_png(png, info, PNG_TRANSFORM_PACKING | PNG_TRANSFORM_EXPAND, nullptr);
    return true;
}

class PngReader {
public:
    explicit PngReader(ArchiveStream* stream) {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
        if (!png_) return;
        info_ = png_create_info_struct(png_);
        if (!info_) return;
        png_set_read_fn(png_, stream, readFromStream);
        png_set_user_limits(png_, kMaxPictureSide, kMaxPictureSide);
    }
    ~PngReader() { png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    bool read() { return png_ && info_ && readWholePng(png_, info_); }
    png_uint_32 width() const { return png_get_image_width(png_, info_); }
    png_uint_32 height() const { return png_get_image_height(png_, info_); }
    std::size_t bytesPerPixel() const {
        const std::size_t channels = png_get_channels(png_, info_);
        const std::size_t depth = png_get_bit_depth(png_, info_);
        return std::max<std::size_t>(1, channels * std::max<std::size_t>(8, depth) / 8);
    }
    png_bytepp rows() const { return png_get_rows(png_, info_); }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

}  // namespace

bool decodeMask(ArchiveStream* stream, Surface* surface) {
    if (!stream || !surface) return false;
    PngReader reader(stream);
    if (!reader.read()) return false;
    png_bytepp rows = reader.rows();
    if (!rows) return false;

    // One byte per picture column, set where the mask has any sample set; a
    // narrower mask leaves the columns it lacks alone.
    const std::size_t pictureWidth = static_cast<std::size_t>(std::max(surface->width(), 0));
    const std::size_t columns = std::min<std::size_t>(pictureWidth, reader.width());
    const std::size_t stride = reader.bytesPerPixel();
    std::vector<std::uint8_t> mask(std::max<std::size_t>(pictureWidth, 1), 0);

    if (!surface->lock()) return false;
    for (png_uint_32 y = 0; y < reader.height(); ++y) {
        const png_bytep row = rows[y];
        for (std::size_t x = 0; x < columns; ++x) {
            const png_bytep sample = row + x * stride;
            mask[x] = std::any_of(sample, sample + stride, [](png_byte b) { return b != 0; }) ? 1 : 0;
        }
        if (!surface->applyMaskRow(mask.data(), static_cast<std::int32_t>(y))) {
            surface->unlock();
            return false;
        }
    }
    return surface->unlock();
}
