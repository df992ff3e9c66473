// Writes the seed corpus for the archive fuzz target: program files built
// like the shipped one (an executable with the data ZIP appended), small
// enough for the fuzzer to mutate quickly.
#include <cstdio>
#include <fstream>
#include <string>

#include "fakes/archive_builder.h"
#include "fakes/picture_encoder.h"

using namespace fixture;

namespace {

void write(const std::string& folder, const char* name, const Bytes& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes words(std::initializer_list<std::uint32_t> values) {
    ByteWriter w;
    for (std::uint32_t v : values) {
        w.u32(v);
    }
    return w.take();
}

Bytes smallPe() {
    PeImage image;
    image.peOffset = 0x40;
    image.sections = {{0x160, 0x20}};
    return makePe(image);
}

Bytes tinyElf() {
    ElfImage image;
    image.is64 = false;
    image.sections = {{0x40, 0x10}};
    image.segments = {{0, 0x50}};
    return makeElf(image);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const Bytes figures = concat({record("F1"), record("FC", words({3})), record("TI", words({0x1010, 20, 30, 40})),
                                  record("SD"), record("F6", Bytes(5, 7))});
    const Bytes muni = concat({record("FC", words({1})), record("TN", Bytes(12, 1)),
                               record("MP", ByteWriter().u16(10).u32(25).u32(25).take()), record("JP", Bytes(8, 2)),
                               record("PG"), record("OR", Bytes(4, 3))});
    write(folder, "pe-deflated", concat({smallPe(), makeZip({{"figur.xx", figures}, {"Muni.nl", muni}})}));
    write(folder, "elf-stored", concat({tinyElf(), makeZip({{"figur.xx", figures, false}, {"stuff.x", muni, false}})}));
    write(folder, "pe-codeview", concat({smallPe(), codeViewRecord("g.pdb"), makeZip({{"cur.nl", muni}})}));
    write(folder, "elf-big-endian-64", [] {
        ElfImage image;
        image.bigEndian = true;
        image.sections = {{0x40, 0x10}, {0x50, 0x100, true}};
        return concat({makeElf(image), makeZip({{"back.nb", concat({record("PI", words({5})), record("PG")})}})});
    }());
    // A real picture with its mask, so the decoders get past their headers.
    const Bytes picture = concat(
        {record("JP", encodeJpeg(8, 8, [](std::int32_t x, std::int32_t y) {
             return Rgb{static_cast<std::uint8_t>(x * 30), static_cast<std::uint8_t>(y * 30), 180};
         }, 75)),
         record("PG", encodeMask(8, 8, [](std::int32_t x, std::int32_t y) { return x == y; }))});
    write(folder, "elf-picture", concat({tinyElf(), makeZip({{"cur.nl", picture}})}));
    return 0;
}
