#include "jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace datatools {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jumpOnError(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorJump*>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

void silence(j_common_ptr, int) {}

// libjpeg reports fatal errors through longjmp; keep every C++ object with a
// destructor out of the frames it jumps across.
bool compress(const RgbImage& image, int quality, unsigned char** out, unsigned long* outSize, char* message) {
    jpeg_compress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnError;
    if (setjmp(error.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", error.message);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, outSize);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&image.rgb[static_cast<std::size_t>(info.next_scanline) * image.width * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

bool decompress(const Bytes& data, int* width, int* height, int* components, unsigned char* pixels, bool headerOnly,
                char* message) {
    jpeg_decompress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnError;
    error.manager.emit_message = silence;
    if (setjmp(error.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", error.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    *width = static_cast<int>(info.image_width);
    *height = static_cast<int>(info.image_height);
    *components = info.num_components;
    if (!headerOnly) {
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels + static_cast<std::size_t>(info.output_scanline) * info.output_width * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

Bytes encodeJpeg(const RgbImage& image, int quality) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3)
        throw std::runtime_error("picture has no pixels");
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = compress(image, quality, &buffer, &size, message);
    Bytes out;
    if (ok) out.assign(buffer, buffer + size);
    std::free(buffer);
    if (!ok) throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
    return out;
}

RgbImage decodeJpeg(const Bytes& data) {
    char message[JMSG_LENGTH_MAX] = {};
    RgbImage image;
    int components = 0;
    if (data.empty() || !decompress(data, &image.width, &image.height, &components, nullptr, true, message))
        throw std::runtime_error(std::string("not a readable JPEG: ") + (data.empty() ? "empty" : message));
    // Refuse absurd headers before allocating by them.
    if (image.width <= 0 || image.height <= 0 || image.width > 16384 || image.height > 16384)
        throw std::runtime_error("JPEG size out of range");
    image.rgb.assign(static_cast<std::size_t>(image.width) * image.height * 3, 0);
    if (!decompress(data, &image.width, &image.height, &components, image.rgb.data(), false, message))
        throw std::runtime_error(std::string("not a readable JPEG: ") + message);
    if (components != 3) throw std::runtime_error("JPEG has " + std::to_string(components) + " components, needs 3");
    return image;
}

}  // namespace datatools
