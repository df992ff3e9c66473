#include "png_codec.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include <png.h>

namespace datatools {
namespace {

void appendToBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

struct Reader {
    const Bytes* data;
    std::size_t pos;
};

void readFromBytes(png_structp png, png_bytep out, png_size_t length) {
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (length > reader->data->size() - reader->pos) png_error(png, "PNG data ends early");
    std::memcpy(out, reader->data->data() + reader->pos, length);
    reader->pos += length;
}

// libpng reports errors through longjmp: the rows come prepared from the
// caller so that nothing with a destructor lives in this frame.
bool write(png_bytepp rows, int width, int height, int bitDepth, int colorType, Bytes* out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, appendToBytes, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), bitDepth, colorType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

Bytes writeRows(std::vector<Bytes>& rowData, int width, int height, int bitDepth, int colorType) {
    std::vector<png_bytep> rows;
    for (Bytes& row : rowData) rows.push_back(row.data());
    Bytes out;
    if (!write(rows.data(), width, height, bitDepth, colorType, &out)) throw std::runtime_error("PNG encoding failed");
    return out;
}

bool readHeader(Reader* reader, png_structp png, png_infop info, DecodedPng* result) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, reader, readFromBytes);
    png_read_info(png, info);
    result->width = static_cast<int>(png_get_image_width(png, info));
    result->height = static_cast<int>(png_get_image_height(png, info));
    result->bitDepth = png_get_bit_depth(png, info);
    result->colorType = png_get_color_type(png, info);
    result->interlace = png_get_interlace_type(png, info);
    return true;
}

bool readPixels(png_structp png, png_infop info, png_bytepp rows, int* channels) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    (void)info;
    (void)channels;
    return true;
}

}  // namespace

Bytes encodeMaskPng(const Mask& mask) {
    const int stride = (mask.width + 7) / 8;
    std::vector<Bytes> rows(static_cast<std::size_t>(mask.height), Bytes(static_cast<std::size_t>(stride), 0));
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            if (mask.transparent[static_cast<std::size_t>(y) * mask.width + x])
                rows[y][x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    return writeRows(rows, mask.width, mask.height, 1, PNG_COLOR_TYPE_GRAY);
}

Bytes encodeRgbPng(const RgbImage& image) {
    std::vector<Bytes> rows;
    for (int y = 0; y < image.height; ++y) {
        auto begin = image.rgb.begin() + static_cast<std::ptrdiff_t>(y) * image.width * 3;
        rows.emplace_back(begin, begin + image.width * 3);
    }
    return writeRows(rows, image.width, image.height, 8, PNG_COLOR_TYPE_RGB);
}

DecodedPng decodePng(const Bytes& data) {
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0) throw std::runtime_error("not a PNG file");
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw std::runtime_error("PNG reader could not start");
    }
    Reader reader{&data, 0};
    DecodedPng result;
    if (!readHeader(&reader, png, info, &result)) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("PNG header is not readable");
    }
    if (result.width <= 0 || result.height <= 0 || result.width > 16384 || result.height > 16384) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("PNG size out of range");
    }
    png_set_packing(png);
    png_set_expand(png);
    png_set_strip_16(png);
    if (result.interlace != PNG_INTERLACE_NONE) png_set_interlace_handling(png);
    png_read_update_info(png, info);
    result.channels = png_get_channels(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    result.samples.assign(rowBytes * static_cast<std::size_t>(result.height), 0);
    std::vector<png_bytep> rows;
    for (int y = 0; y < result.height; ++y) rows.push_back(result.samples.data() + rowBytes * y);
    const bool ok = readPixels(png, info, rows.data(), &result.channels);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) throw std::runtime_error("PNG pixel data is not readable");
    return result;
}

Mask maskFromPng(const DecodedPng& png) {
    if (png.colorType != PNG_COLOR_TYPE_GRAY || png.bitDepth != 1)
        throw std::runtime_error("mask must be a 1-bit greyscale PNG (bit depth " + std::to_string(png.bitDepth) +
                                 ", colour type " + std::to_string(png.colorType) + ")");
    if (png.interlace != PNG_INTERLACE_NONE) throw std::runtime_error("mask must not be interlaced");
    Mask mask;
    mask.width = png.width;
    mask.height = png.height;
    mask.transparent.resize(static_cast<std::size_t>(png.width) * png.height);
    // Expanded 1-bit grey arrives as 0 / 255 after set_expand.
    for (std::size_t i = 0; i < mask.transparent.size(); ++i) mask.transparent[i] = png.samples[i] ? 1 : 0;
    return mask;
}

}  // namespace datatools
