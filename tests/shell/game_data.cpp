#include "game_data.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "fakes/picture_encoder.h"

namespace gamedata {

using fixture::ByteWriter;

Bytes settingsRecord(const Settings& s) {
    ByteWriter w;
    w.u32(static_cast<std::uint32_t>(s.width)).u32(static_cast<std::uint32_t>(s.height));
    w.u32(static_cast<std::uint32_t>(s.roundMinutes)).u32(static_cast<std::uint32_t>(s.roundSeconds));
    w.u32(static_cast<std::uint32_t>(s.magazineSize));
    w.u8(s.hasTitleImage).u8(s.hasHighscoreImage).u8(s.hasEndImage).u8(s.startFullscreen);
    std::string name = s.highscoreName.substr(0, 31);
    w.text(name).zeros(31 - name.size());
    return fixture::record("SS", w.take());
}

Bytes imageRecords(std::int32_t width, std::int32_t height, std::uint8_t r, std::uint8_t g, std::uint8_t b,
                   bool masked) {
    const Bytes jpeg = fixture::encodeJpeg(width, height, [&](std::int32_t, std::int32_t) {
        return fixture::Rgb{r, g, b};
    });
    Bytes mask;
    if (masked) {
        mask = fixture::encodeMask(width, height, [](std::int32_t x, std::int32_t y) { return (x + y) % 2 == 0; });
    }
    return fixture::concat({fixture::record("JP", jpeg), fixture::record("PG", mask)});
}

Bytes stuffFile(const Settings& s, bool settingsFirst) {
    const Bytes sounds = fixture::concat({fixture::record("S1", Bytes(40, 1)), fixture::record("S2", Bytes(30, 2)),
                                          fixture::record("S3", Bytes(20, 3)), fixture::record("S4", Bytes(50, 4))});
    const Bytes settings = settingsRecord(s);
    return fixture::concat({settingsFirst ? settings : sounds, settingsFirst ? sounds : settings,
                            fixture::record("ST"), imageRecords(640, 498, 200, 40, 40),
                            fixture::record("SH"), imageRecords(640, 480, 40, 200, 40),
                            fixture::record("SE"), imageRecords(640, 480, 40, 40, 200)});
}

std::map<std::string, Bytes> gameFiles(const Settings& s) {
    std::map<std::string, Bytes> files;
    files["stuff.x"] = stuffFile(s);
    files["back.nb"] = fixture::record("PI", fixture::u32le(0));
    files["figur.xx"] = fixture::concat({fixture::record("F1", fixture::u32le(0)), fixture::record("F4", fixture::u32le(0))});
    files["cur.nl"] = imageRecords(30, 30, 250, 250, 250, true);
    files["font.nl"] = imageRecords(327, 236, 255, 255, 255, true);
    files["fonts.nl"] = imageRecords(208, 130, 255, 255, 255, true);
    files["muni.nl"] = imageRecords(25, 25, 200, 160, 40);
    return files;
}

namespace {

Bytes elfImage() {
    fixture::ElfImage elf;
    elf.segments = {{0, 0x200}};
    return fixture::makeElf(elf);
}

std::string writeFile(const Bytes& program) {
    char folder[] = "/tmp/shooter-game-XXXXXX";
    if (mkdtemp(folder) == nullptr) throw std::runtime_error("no temporary folder");
    const std::string path = std::string(folder) + "/shooter";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) throw std::runtime_error("cannot write " + path);
    std::fwrite(program.data(), 1, program.size(), f);
    std::fclose(f);
    return path;
}

}  // namespace

std::string writeBareProgram() { return writeFile(elfImage()); }

std::string writeProgram(const std::map<std::string, Bytes>& files) {
    std::vector<fixture::ZipEntry> entries;
    for (const auto& f : files) entries.push_back({f.first, f.second, true});
    return writeFile(fixture::concat({elfImage(), fixture::makeZip(entries)}));
}

}  // namespace gamedata
