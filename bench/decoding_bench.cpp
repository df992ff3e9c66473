#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "archive/archive_stream.h"
#include "display/surface.h"
#include "fakes/archive_builder.h"
#include "fakes/picture_encoder.h"
#include "frame_copy.h"
#include "image/jpeg_decoder.h"

namespace {

const std::vector<std::uint8_t>& landscapeJpeg() {
    static const std::vector<std::uint8_t> jpeg =
        fixture::encodeJpeg(2500, 480, [](std::int32_t x, std::int32_t y) {
            return fixture::Rgb{static_cast<std::uint8_t>(x / 10), static_cast<std::uint8_t>(y / 2),
                                static_cast<std::uint8_t>((x + y) / 12)};
        }, 85);
    return jpeg;
}

// The game's decoder, reading from a stored archive entry into a Surface.
// Decoding again into the same Surface keeps its tiles; a fresh Surface adds
// the cost of new memory (page faults) to every run.
void BM_DecodeJpegIntoSurface(benchmark::State& state) {
    const bool freshSurface = state.range(0) != 0;
    fixture::ArchiveFixture archive({{"back.nb", fixture::record("JP", landscapeJpeg()), false}});
    auto device = platform::createOffscreenDevice(platform::kFormat565);
    Surface surface;
    for (auto _ : state) {
        if (freshSurface) surface.destroy();
        ArchiveStream* stream = archive.stream();
        char tag[2];
        if (!stream->openEntry("back.nb") || !stream->beginRecord(tag) ||
            !decodeJpeg(stream, &surface, device.get())) {
            state.SkipWithError("decode failed");
            break;
        }
        stream->closeEntry();
    }
}

// libjpeg alone: the same picture from memory to RGB rows.
void BM_LibjpegToRgb(benchmark::State& state) {
    const std::vector<std::uint8_t>& jpeg = landscapeJpeg();
    std::vector<JSAMPLE> row(2500 * 3);
    for (auto _ : state) {
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        JSAMPROW rows[1] = {row.data()};
        while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, rows, 1);
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::DoNotOptimize(row.data());
    }
}

}  // namespace

BENCHMARK(BM_MemcpyFrame);
BENCHMARK(BM_DecodeJpegIntoSurface)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibjpegToRgb)->Unit(benchmark::kMillisecond);
