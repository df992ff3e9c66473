#include "image/jpeg_decoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdint>

#include <jpeglib.h>
#include <jerror.h>

#include "archive/archive_stream.h"
#include "display/surface.h"
#include "image/picture_limits.h"

namespace {

constexpr std::int32_t kSourceBufferSize = 4096;

// Rows go to the surfaces as blue, green, red. Where the library can hand
// them out in that order it saves a pass over every row.
#ifdef JCS_EXTENSIONS
constexpr J_COLOR_SPACE kOutputSpace = JCS_EXT_BGR;
#else
constexpr J_COLOR_SPACE kOutputSpace = JCS_RGB;
#endif

// libjpeg's fatal errors come back here by a jump: nothing between the jump
// and its target owns anything that needs a destructor.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

struct JpegSource {
    jpeg_source_mgr pub;
    ArchiveStream* stream;
    JOCTET* buffer;
    bool startOfFile;
};

// The game writes nothing anywhere: a damaged picture simply stays undrawn.
void quiet(j_common_ptr) {}

void fatalError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void initSource(j_decompress_ptr info) { reinterpret_cast<JpegSource*>(info->src)->startOfFile = true; }

boolean fillBuffer(j_decompress_ptr info) {
    auto* source = reinterpret_cast<JpegSource*>(info->src);
    std::int32_t n = source->stream->readUpTo(source->buffer, kSourceBufferSize);
    if (n <= 0) {
        if (source->startOfFile) ERREXIT(info, JERR_INPUT_EMPTY);
        // A picture cut short ends here: libjpeg fills in what is missing.
        source->buffer[0] = 0xFF;
        source->buffer[1] = JPEG_EOI;
        n = 2;
    }
    source->startOfFile = false;
    source->pub.next_input_byte = source->buffer;
    source->pub.bytes_in_buffer = static_cast<std::size_t>(n);
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    auto* source = reinterpret_cast<JpegSource*>(info->src);
    while (count > static_cast<long>(source->pub.bytes_in_buffer)) {
        count -= static_cast<long>(source->pub.bytes_in_buffer);
        fillBuffer(info);
    }
    source->pub.next_input_byte += count;
    source->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

void attachSource(j_decompress_ptr info, JpegSource& source, ArchiveStream* stream) {
    source.pub.init_source = initSource;
    source.pub.fill_input_buffer = fillBuffer;
    source.pub.skip_input_data = skipInput;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = termSource;
    source.pub.bytes_in_buffer = 0;
    source.pub.next_input_byte = nullptr;
    source.stream = stream;
    source.buffer = static_cast<JOCTET*>((*info->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(info), JPOOL_PERMANENT, kSourceBufferSize * sizeof(JOCTET)));
    source.startOfFile = true;
    info->src = &source.pub;
}

// Red, green, blue becomes blue, green, red.
void swapToBgr(JSAMPROW row, JDIMENSION width) {
    for (JDIMENSION i = 0; i < width; ++i) {
        JSAMPLE* p = row + static_cast<std::size_t>(i) * 3;
        const JSAMPLE red = p[0];
        p[0] = p[2];
        p[2] = red;
    }
}

}  // namespace

bool decodeJpeg(ArchiveStream* stream, Surface* surface, platform::VideoDevice* device) {
    if (!stream || !surface || !device) return false;
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    JpegSource source;
    volatile bool locked = false;

    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = fatalError;
    errors.pub.output_message = quiet;
    if (setjmp(errors.jump)) {
        if (locked) surface->unlock();
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    attachSource(&info, source, stream);
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxPictureSide || info.image_height > kMaxPictureSide) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = kOutputSpace;
    jpeg_start_decompress(&info);
    const JDIMENSION width = info.output_width;
    const JDIMENSION height = info.output_height;
    if (info.output_components != 3 ||
        !surface->create(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), device)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, width * 3, 1);
    if (!surface->lock()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    locked = true;
    while (info.output_scanline < height) {
        jpeg_read_scanlines(&info, row, 1);
        if (kOutputSpace == JCS_RGB) swapToBgr(row[0], width);
        if (!surface->writeRow(row[0], static_cast<std::int32_t>(info.output_scanline) - 1, true)) {
            surface->unlock();
            jpeg_destroy_decompress(&info);
            return false;
        }
    }
    locked = false;
    const bool unlocked = surface->unlock();
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return unlocked;
}
