#include "fakes/picture_encoder.h"

#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include <jpeglib.h>
#include <png.h>

namespace fixture {

std::vector<std::uint8_t> encodeJpeg(std::int32_t width, std::int32_t height,
                                     const std::function<Rgb(std::int32_t, std::int32_t)>& pixel, int quality) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    while (info.next_scanline < info.image_height) {
        const auto y = static_cast<std::int32_t>(info.next_scanline);
        for (std::int32_t x = 0; x < width; ++x) {
            const Rgb p = pixel(x, y);
            row[static_cast<std::size_t>(x) * 3] = p.r;
            row[static_cast<std::size_t>(x) * 3 + 1] = p.g;
            row[static_cast<std::size_t>(x) * 3 + 2] = p.b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

}  // namespace

std::vector<std::uint8_t> encodeMask(std::int32_t width, std::int32_t height,
                                     const std::function<bool(std::int32_t, std::int32_t)>& transparent) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 1,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(width + 7) / 8);
    for (std::int32_t y = 0; y < height; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (std::int32_t x = 0; x < width; ++x) {
            if (transparent(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<png_byte>(0x80 >> (x % 8));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace fixture
