// Reads the packed game data back through independent decoders and checks
// the structure the game relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "jpeg_codec.h"
#include "ogg_codec.h"
#include "packed_archive.h"
#include "png_codec.h"
#include "record_file.h"

using namespace datatools;

namespace {

const std::map<std::string, Bytes>& entries() {
    static const std::map<std::string, Bytes> packed = readPackedEntries(SHOOTER_PACKED);
    return packed;
}

std::vector<Record> recordsOf(const std::string& name) {
    auto it = entries().find(name);
    if (it == entries().end()) throw std::runtime_error(name + " is not in the archive");
    return splitRecords(it->second);
}

// A decoded picture with its mask (empty when the "PG" record is empty).
struct Picture {
    RgbImage colour;
    Mask mask;
};

// Walks records in order and insists on each tag.
class RecordWalk {
public:
    explicit RecordWalk(std::vector<Record> records) : records_(std::move(records)) {}

    const Bytes& take(const std::string& tag) {
        if (pos_ >= records_.size()) throw std::runtime_error("data ends where \"" + tag + "\" should be");
        const Record& r = records_[pos_++];
        if (r.tag != tag)
            throw std::runtime_error("record " + std::to_string(pos_ - 1) + " is \"" + r.tag + "\", expected \"" + tag + "\"");
        return r.payload;
    }
    std::uint32_t takeU32(const std::string& tag) {
        const Bytes& p = take(tag);
        if (p.size() != 4) throw std::runtime_error("\"" + tag + "\" is not 4 bytes");
        return loadU32(p.data());
    }
    bool nextIs(const std::string& tag) const { return pos_ < records_.size() && records_[pos_].tag == tag; }
    Picture takePicture() {
        Picture picture;
        picture.colour = decodeJpeg(take("JP"));
        const Bytes& png = take("PG");
        if (!png.empty()) {
            picture.mask = maskFromPng(decodePng(png));
            if (picture.mask.width != picture.colour.width || picture.mask.height != picture.colour.height)
                throw std::runtime_error("mask size differs from its picture");
        }
        return picture;
    }
    bool atEnd() const { return pos_ == records_.size(); }

private:
    std::vector<Record> records_;
    std::size_t pos_ = 0;
};

struct Animation {
    std::vector<std::uint32_t> timings;
    std::vector<Picture> frames;
    int total() const {
        int sum = 0;
        for (std::uint32_t t : timings) sum += static_cast<int>(t & 0xFFF);
        return sum;
    }
};

Animation takeAnimation(RecordWalk& walk) {
    Animation a;
    const std::uint32_t n = walk.takeU32("FC");
    const Bytes& ti = walk.take("TI");
    EXPECT_EQ(ti.size(), n * 4u);
    for (std::uint32_t i = 0; i < n; ++i) a.timings.push_back(loadU32(&ti[i * 4]));
    for (std::uint32_t i = 0; i < n; ++i) a.frames.push_back(walk.takePicture());
    return a;
}

void expectGoodSound(const Bytes& ogg, double seconds, const std::string& what) {
    SCOPED_TRACE(what);
    ASSERT_GE(ogg.size(), 5u);
    EXPECT_EQ(std::memcmp(ogg.data(), "OggS\0", 5), 0);
    const DecodedOgg decoded = decodeOgg(ogg);
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.rate, 44100);
    ASSERT_EQ(decoded.comments.size(), 2u);
    EXPECT_EQ(decoded.comments[0], "Length: " + std::to_string(decoded.sampleFrames * 1000 / 44100) + "\n");
    EXPECT_NE(decoded.comments[1].find("Producer"), std::string::npos);
    if (seconds > 0) {
        EXPECT_NEAR(decoded.sampleFrames / 44100.0, seconds, 0.06);
    }
    float peak = 0;
    for (float s : decoded.samples) peak = std::max(peak, std::fabs(s));
    EXPECT_GT(peak, 0.3f) << "the sound is nearly silent";
}

double transparentShare(const Mask& mask, int y0, int y1) {
    int clear = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < mask.width; ++x) clear += mask.transparent[static_cast<std::size_t>(y) * mask.width + x];
    return static_cast<double>(clear) / ((y1 - y0) * mask.width);
}

// Parameters of the fifteen figure types, with the frame counts and loop
// times of their looks and the frame counts of their deaths (0 = none).
struct TypeRow {
    int params[11];
    int deathFrames;
    int lookFrames;
    int lookTotal;
};
const TypeRow kTypes[15] = {
    {{0, 165, 15, 0, 45, 10, 125, 3, 1, 39, 2}, 8, 3, 675},
    {{1, 155, 5, 0, 58, 5, -450, 2, 1, 35, 2}, 14, 6, 1350},
    {{2, 155, 6, 0, 49, 5, 500, 1, 1, 5, 2}, 8, 4, 850},
    {{4, 59, 0, 0, 59, 0, 0, 1, 10, 90, 0}, 0, 85, 38250},
    {{5, 225, 0, 0, 76, 0, 0, 1, 1, 80, 0}, 21, 10, 2600},
    {{6, 244, 0, 0, 90, 0, 180, 3, 1, 5, 1}, 24, 3, 350},
    {{8, 230, 0, 1, 100, 8, 300, 2, 1, 45, 1}, 10, 6, 1200},
    {{9, 287, 0, 1, 110, 0, 200, 2, 1, 39, 0}, 8, 3, 525},
    {{14, 281, 0, 1, 110, 0, 245, 2, 1, 30, 0}, 9, 7, 1225},
    {{16, 300, 0, 1, 190, 0, -460, 2, 1, 45, 0}, 9, 8, 1400},
    {{17, 315, 0, 1, 190, 10, 260, 2, 1, 15, 1}, 9, 4, 1000},
    {{18, 355, 0, 1, 210, 15, 500, 2, 1, 26, 1}, 12, 5, 875},
    {{20, 255, 0, 2, 400, 0, -500, 2, 1, 40, 1}, 0, 10, 2250},
    {{21, 355, 0, 2, 260, 25, -430, 1, 1, 90, 0}, 9, 8, 2075},
    {{23, 360, 0, 3, 120, 15, -350, 1, 1, 95, 1}, 6, 17, 2550},
};

void expectFiguresFrame(const Picture& frame, std::uint32_t timing, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_GE(frame.colour.width, 43);
    EXPECT_LE(frame.colour.width, 500);
    EXPECT_GE(frame.colour.height, 60);
    EXPECT_LE(frame.colour.height, 600);
    ASSERT_EQ(frame.mask.width, frame.colour.width) << "every frame needs its mask";
    EXPECT_GT(frame.mask.opaqueCount(), 0);
    const int hx = static_cast<int>(timing >> 22), hy = static_cast<int>((timing >> 12) & 0x3FF);
    EXPECT_GT(timing, 4095u) << "the hotspot is stored, not left to the default";
    EXPECT_LE(hx, frame.colour.width);
    EXPECT_LE(hy, frame.colour.height);
    EXPECT_GT(timing & 0xFFF, 0u);
}

// Share of the look's opaque pixels that the first death frame also covers
// when both are placed with their hotspots on one point.
double deathOverlap(const Picture& look, std::uint32_t lookTiming, const Picture& death, std::uint32_t deathTiming) {
    const int dx = static_cast<int>(deathTiming >> 22) - static_cast<int>(lookTiming >> 22);
    const int dy = static_cast<int>((deathTiming >> 12) & 0x3FF) - static_cast<int>((lookTiming >> 12) & 0x3FF);
    int opaque = 0, shared = 0;
    for (int y = 0; y < look.mask.height; ++y)
        for (int x = 0; x < look.mask.width; ++x) {
            if (look.mask.transparent[static_cast<std::size_t>(y) * look.mask.width + x]) continue;
            ++opaque;
            const int X = x + dx, Y = y + dy;
            if (X >= 0 && Y >= 0 && X < death.mask.width && Y < death.mask.height &&
                !death.mask.transparent[static_cast<std::size_t>(Y) * death.mask.width + X])
                ++shared;
        }
    return opaque ? static_cast<double>(shared) / opaque : 0.0;
}

}  // namespace

TEST(PackedData, ArchiveHoldsTheSevenDataFiles) {
    std::vector<std::string> names;
    for (const auto& [name, data] : entries()) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"back.nb", "cur.nl", "figur.xx", "font.nl", "fonts.nl", "muni.nl", "stuff.x"}));
}

TEST(PackedData, StuffHoldsSoundsSettingsAndScreens) {
    RecordWalk walk(recordsOf("stuff.x"));
    expectGoodSound(walk.take("S1"), 1.25, "S1 miss");
    expectGoodSound(walk.take("S2"), 1.3, "S2 empty click");
    expectGoodSound(walk.take("S3"), 1.25, "S3 reload");
    const Bytes music = walk.take("S4");
    expectGoodSound(music, 7.0, "S4 music");

    const Bytes& ss = walk.take("SS");
    ASSERT_EQ(ss.size(), 55u);
    EXPECT_EQ(loadU32(&ss[0]), 640u);
    EXPECT_EQ(loadU32(&ss[4]), 480u);
    EXPECT_EQ(loadU32(&ss[8]), 1u);
    EXPECT_EQ(loadU32(&ss[12]), 30u);
    EXPECT_EQ(loadU32(&ss[16]), 10u);
    EXPECT_EQ(Bytes(ss.begin() + 20, ss.begin() + 24), (Bytes{1, 1, 1, 1}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&ss[24])), "Shooter");
    EXPECT_EQ(ss[54], 0);

    const struct {
        const char* tag;
        int height;
    } screens[] = {{"ST", 498}, {"SH", 480}, {"SE", 480}};
    for (const auto& s : screens) {
        SCOPED_TRACE(s.tag);
        EXPECT_TRUE(walk.take(s.tag).empty());
        const Picture p = walk.takePicture();
        EXPECT_EQ(p.colour.width, 640);
        EXPECT_EQ(p.colour.height, s.height);
        EXPECT_TRUE(p.mask.transparent.empty()) << "screen pictures carry an empty mask record";
    }
    EXPECT_TRUE(walk.atEnd());
}

TEST(PackedData, MusicLoopsWithoutASeam) {
    RecordWalk walk(recordsOf("stuff.x"));
    walk.take("S1");
    walk.take("S2");
    walk.take("S3");
    const DecodedOgg music = decodeOgg(walk.take("S4"));
    const std::vector<float>& s = music.samples;
    ASSERT_GT(s.size(), 44100u);
    float largestStep = 0;
    for (std::size_t i = 1; i < s.size(); ++i) largestStep = std::max(largestStep, std::fabs(s[i] - s[i - 1]));
    EXPECT_LE(std::fabs(s.front() - s.back()), largestStep) << "the end does not run into the start";
    double tail = 0;
    for (std::size_t i = s.size() - 882; i < s.size(); ++i) tail += s[i] * s[i];
    EXPECT_GT(std::sqrt(tail / 882), 0.01) << "the loop fades out instead of running on";
}

TEST(PackedData, BackgroundHasFiveLayersWithOpenSky) {
    RecordWalk walk(recordsOf("back.nb"));
    EXPECT_EQ(walk.takeU32("PI"), 5u);
    const int widths[5] = {2500, 2350, 2000, 1800, 1200};
    for (int layer = 0; layer < 5; ++layer) {
        SCOPED_TRACE("layer " + std::to_string(layer));
        const Picture p = walk.takePicture();
        EXPECT_EQ(p.colour.width, widths[layer]);
        EXPECT_EQ(p.colour.height, 480);
        if (layer == 0) {
            EXPECT_TRUE(p.mask.transparent.empty()) << "the sky layer is opaque";
            continue;
        }
        ASSERT_FALSE(p.mask.transparent.empty());
        EXPECT_GT(transparentShare(p.mask, 0, 200), 0.75) << "most of the sky stays open";
        EXPECT_LT(transparentShare(p.mask, 440, 480), 0.2) << "the ground is solid";
    }
    EXPECT_TRUE(walk.atEnd());
}

TEST(PackedData, NearScenerySomewhereShieldsTheSky) {
    RecordWalk walk(recordsOf("back.nb"));
    walk.takeU32("PI");
    Picture nearest;
    for (int layer = 0; layer < 5; ++layer) nearest = walk.takePicture();
    EXPECT_LT(transparentShare(nearest.mask, 100, 300), 0.97) << "trees give some cover";
}

TEST(PackedData, FigureTypesAndLooksMatchTheirTable) {
    RecordWalk walk(recordsOf("figur.xx"));
    ASSERT_EQ(walk.takeU32("F1"), 15u);
    std::vector<Animation> deaths(15);
    for (int pos = 0; pos < 15; ++pos) {
        SCOPED_TRACE("type " + std::to_string(pos));
        const TypeRow& row = kTypes[pos];
        expectGoodSound(walk.take("SD"), 0, "hit sound");
        if (row.deathFrames > 0) {
            const Bytes& ex = walk.take("EX");
            ASSERT_EQ(ex.size(), 5u);
            EXPECT_EQ(loadU32(ex.data()), static_cast<std::uint32_t>(pos));
            EXPECT_EQ(ex[4], 1);
            deaths[pos] = takeAnimation(walk);
            EXPECT_EQ(deaths[pos].frames.size(), static_cast<std::size_t>(row.deathFrames));
            for (std::size_t i = 0; i < deaths[pos].frames.size(); ++i)
                expectFiguresFrame(deaths[pos].frames[i], deaths[pos].timings[i], "death frame " + std::to_string(i));
        }
        const Bytes& f3 = walk.take("F3");
        ASSERT_EQ(f3.size(), 45u);
        for (int k = 0; k < 11; ++k)
            EXPECT_EQ(static_cast<std::int32_t>(loadU32(&f3[k * 4])), row.params[k]) << "field " << k;
        EXPECT_EQ(f3[44], 0) << "no type is mirrored";
    }
    ASSERT_EQ(walk.takeU32("F4"), 15u);
    for (int pos = 0; pos < 15; ++pos) {
        SCOPED_TRACE("look " + std::to_string(pos));
        const Animation look = takeAnimation(walk);
        EXPECT_EQ(walk.takeU32("F6"), static_cast<std::uint32_t>(kTypes[pos].params[0]));
        EXPECT_EQ(look.frames.size(), static_cast<std::size_t>(kTypes[pos].lookFrames));
        EXPECT_EQ(look.total(), kTypes[pos].lookTotal);
        for (std::size_t i = 0; i < look.frames.size(); ++i)
            expectFiguresFrame(look.frames[i], look.timings[i], "frame " + std::to_string(i));
        if (!deaths[pos].frames.empty()) {
            EXPECT_GT(deathOverlap(look.frames[0], look.timings[0], deaths[pos].frames[0], deaths[pos].timings[0]), 0.9)
                << "the burst starts where the figure was";
        }
    }
    EXPECT_TRUE(walk.atEnd());
}

TEST(PackedData, CrosshairAndAmmunition) {
    RecordWalk cursor(recordsOf("cur.nl"));
    const Picture crosshair = cursor.takePicture();
    EXPECT_EQ(crosshair.colour.width, 30);
    EXPECT_EQ(crosshair.colour.height, 30);
    EXPECT_FALSE(crosshair.mask.transparent.empty());
    EXPECT_TRUE(cursor.atEnd());

    RecordWalk ammo(recordsOf("muni.nl"));
    EXPECT_EQ(ammo.takeU32("FC"), 1u);
    const RgbImage preview = decodeJpeg(ammo.take("TN"));
    EXPECT_EQ(preview.width, 94);
    EXPECT_EQ(preview.height, 94);
    const Bytes& mp = ammo.take("MP");
    ASSERT_EQ(mp.size(), 26u);
    EXPECT_EQ(mp[0] | mp[1] << 8, 10);
    EXPECT_EQ(loadU32(&mp[2]), 25u);
    EXPECT_EQ(loadU32(&mp[6]), 25u);
    const Picture cartridge = ammo.takePicture();
    EXPECT_EQ(cartridge.colour.width, 25);
    EXPECT_EQ(cartridge.mask.height, 25);
    const DecodedPng colour = decodePng(ammo.take("OR"));
    EXPECT_EQ(colour.width, 25);
    EXPECT_EQ(colour.channels, 3);
    EXPECT_EQ(colour.bitDepth, 8);
    EXPECT_TRUE(ammo.atEnd());
}

TEST(PackedData, GlyphSheetsHoldEveryCellOnAMaskedBackground) {
    const struct {
        const char* file;
        int width, height, originX, originY, cellW, cellH, gapX, gapY;
    } sheets[] = {{"font.nl", 327, 236, 2, 2, 23, 37, 2, 2}, {"fonts.nl", 208, 130, 0, 0, 16, 26, 0, 0}};
    for (const auto& s : sheets) {
        SCOPED_TRACE(s.file);
        RecordWalk walk(recordsOf(s.file));
        const Picture sheet = walk.takePicture();
        EXPECT_TRUE(walk.atEnd());
        ASSERT_EQ(sheet.colour.width, s.width);
        ASSERT_EQ(sheet.colour.height, s.height);
        ASSERT_FALSE(sheet.mask.transparent.empty());
        EXPECT_GT(transparentShare(sheet.mask, 0, s.height), 0.45) << "the background is masked";
        for (int n = 0; n < 67; ++n) {
            const int x0 = (n % 13) * (s.cellW + s.gapX) + s.originX, y0 = (n / 13) * (s.cellH + s.gapY) + s.originY;
            if (y0 + s.cellH > s.height) break;  // the small sheet has no room for the last two
            int opaque = 0, bright = 0, dark = 0;
            for (int y = y0; y < y0 + s.cellH; ++y)
                for (int x = x0; x < x0 + s.cellW; ++x) {
                    const std::size_t i = static_cast<std::size_t>(y) * s.width + x;
                    if (sheet.mask.transparent[i]) continue;
                    ++opaque;
                    const int luma = (sheet.colour.rgb[i * 3] + sheet.colour.rgb[i * 3 + 1] + sheet.colour.rgb[i * 3 + 2]) / 3;
                    bright += luma > 200;
                    dark += luma < 80;
                }
            EXPECT_GT(opaque, 8) << "cell " << n << " is empty";
            EXPECT_GT(bright, 0) << "cell " << n << " has no pale letter";
            EXPECT_GT(dark, 0) << "cell " << n << " has no dark outline";
        }
    }
}
