#include "ogg_codec.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

namespace datatools {
namespace {

constexpr const char* kProducerComment = "Producer: shooter data generator";

void appendPage(Bytes& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

struct MemoryFile {
    const Bytes* data;
    std::size_t pos;
};

size_t readMemory(void* out, size_t size, size_t count, void* source) {
    auto* file = static_cast<MemoryFile*>(source);
    const std::size_t wanted = size * count;
    const std::size_t left = file->data->size() - file->pos;
    const std::size_t n = std::min(wanted, left);
    std::memcpy(out, file->data->data() + file->pos, n);
    file->pos += n;
    return size ? n / size : 0;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* file = static_cast<MemoryFile*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(file->pos);
    if (whence == SEEK_END) base = static_cast<ogg_int64_t>(file->data->size());
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > static_cast<ogg_int64_t>(file->data->size())) return -1;
    file->pos = static_cast<std::size_t>(target);
    return 0;
}

long tellMemory(void* source) { return static_cast<long>(static_cast<MemoryFile*>(source)->pos); }

}  // namespace

std::string lengthComment(std::size_t sampleCount) {
    return "Length: " + std::to_string(sampleCount * 1000 / kSampleRate) + "\n";
}

Bytes encodeOgg(const std::vector<float>& samples, std::uint32_t serial) {
    if (samples.empty()) throw std::runtime_error("a sound needs samples");
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kSampleRate, 0.3f) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("Vorbis encoder refused its settings");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    const std::string length = lengthComment(samples.size());
    vorbis_comment_add(&comment, length.c_str());
    vorbis_comment_add(&comment, kProducerComment);

    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, static_cast<int>(serial));

    Bytes out;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) appendPage(out, page);

    constexpr std::size_t kChunk = 4096;
    std::size_t pos = 0;
    bool finished = false;
    while (!finished) {
        const std::size_t n = std::min(kChunk, samples.size() - pos);
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            std::memcpy(buffer[0], samples.data() + pos, n * sizeof(float));
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            pos += n;
        } else {
            vorbis_analysis_wrote(&dsp, 0);
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page)) finished = true;
                }
            }
        }
        if (n == 0 && !finished) {
            while (ogg_stream_flush(&stream, &page) != 0) appendPage(out, page);
            finished = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

DecodedOgg decodeOgg(const Bytes& data) {
    MemoryFile file{&data, 0};
    ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    OggVorbis_File vf;
    if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0)
        throw std::runtime_error("not a readable Ogg Vorbis stream");
    DecodedOgg result;
    const vorbis_info* info = ov_info(&vf, -1);
    result.channels = info->channels;
    result.rate = info->rate;
    const vorbis_comment* comment = ov_comment(&vf, -1);
    for (int i = 0; i < comment->comments; ++i)
        result.comments.emplace_back(comment->user_comments[i], static_cast<std::size_t>(comment->comment_lengths[i]));
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n == 0) break;
        if (n < 0) {
            ov_clear(&vf);
            throw std::runtime_error("Ogg Vorbis audio data is damaged");
        }
        result.samples.insert(result.samples.end(), pcm[0], pcm[0] + n);
    }
    result.sampleFrames = static_cast<std::int64_t>(result.samples.size());
    ov_clear(&vf);
    return result;
}

}  // namespace datatools
