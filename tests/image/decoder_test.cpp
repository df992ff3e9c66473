#include <gtest/gtest.h>

#include <string>

#include "image/jpeg_decoder.h"
#include "image/mask_decoder.h"
#include "image_fixture.h"

namespace {

using fixture::Bytes;
using fixture::record;
using imagetest::Entry;

class Decoders : public ::testing::TestWithParam<platform::PixelFormat> {
protected:
    std::unique_ptr<platform::VideoDevice> device_ = platform::createOffscreenDevice(GetParam());
};

// Begins the entry's first record, as the record readers do before decoding.
ArchiveStream* atFirstPayload(Entry& entry) {
    char tag[2];
    ArchiveStream* s = entry.stream();
    if (!s || !s->beginRecord(tag)) return nullptr;
    return s;
}

TEST_P(Decoders, MaskMakesExactlyItsPixelsTransparent) {
    Entry picture(record("JP", imagetest::crossPicture()));
    Entry mask(record("PG", imagetest::crossMask()));
    Surface s;
    ASSERT_TRUE(decodeJpeg(atFirstPayload(picture), &s, device_.get()));
    EXPECT_EQ(s.width(), 30);
    EXPECT_EQ(s.height(), 30);
    for (std::int32_t y = 0; y < 30; ++y) {
        for (std::int32_t x = 0; x < 30; ++x) ASSERT_TRUE(s.isOpaqueAt(x, y));
    }
    ASSERT_TRUE(decodeMask(atFirstPayload(mask), &s));
    for (std::int32_t y = 0; y < 30; ++y) {
        for (std::int32_t x = 0; x < 30; ++x) {
            ASSERT_EQ(s.isOpaqueAt(x, y), !imagetest::aroundCross(x, y)) << x << "," << y;
        }
    }
    EXPECT_TRUE(imagetest::noTileLocked(s));
}

TEST_P(Decoders, KeyGreyInThePictureStaysOpaque) {
    Entry picture(record("JP", fixture::encodeJpeg(16, 16, [](std::int32_t, std::int32_t) {
                      return fixture::Rgb{180, 180, 180};
                  })));
    Surface s;
    ASSERT_TRUE(decodeJpeg(atFirstPayload(picture), &s, device_.get()));
    for (std::int32_t y = 0; y < 16; ++y) {
        for (std::int32_t x = 0; x < 16; ++x) ASSERT_TRUE(s.isOpaqueAt(x, y)) << x << "," << y;
    }
}

TEST_P(Decoders, PictureCutShortStillDecodes) {
    Bytes jpeg = fixture::encodeJpeg(64, 64, imagetest::reddish);
    jpeg.resize(jpeg.size() / 2);
    Entry picture(record("JP", jpeg));
    Surface s;
    ASSERT_TRUE(decodeJpeg(atFirstPayload(picture), &s, device_.get()));
    EXPECT_EQ(s.width(), 64);
    EXPECT_EQ(s.height(), 64);
    EXPECT_TRUE(imagetest::noTileLocked(s));
}

TEST_P(Decoders, BrokenOrOversizedDataFailsCleanly) {
    struct Case {
        const char* what;
        Bytes entry;
    };
    const Bytes png = imagetest::crossMask();
    const Case jpegCases[] = {
        {"empty JP", record("JP")},
        {"not a JPEG", record("JP", Bytes(100, 0x42))},
        {"too wide", record("JP", fixture::encodeJpeg(8200, 8, imagetest::reddish, 50))},
    };
    for (const Case& c : jpegCases) {
        Entry entry(c.entry);
        Surface s;
        EXPECT_FALSE(decodeJpeg(atFirstPayload(entry), &s, device_.get())) << c.what;
        EXPECT_TRUE(imagetest::noTileLocked(s)) << c.what;
    }
    EXPECT_FALSE(decodeJpeg(nullptr, nullptr, device_.get()));

    Bytes cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() - 20));
    Bytes damaged = png;
    damaged[damaged.size() / 2] ^= 0x5A;
    const Case maskCases[] = {
        {"cut short at the end of the entry", record("PG", cut)},
        {"damaged", record("PG", damaged)},
        {"too tall", record("PG", fixture::encodeMask(1, 8193, [](std::int32_t, std::int32_t) { return true; }))},
    };
    for (const Case& c : maskCases) {
        Entry picture(record("JP", imagetest::crossPicture()));
        Surface s;
        ASSERT_TRUE(decodeJpeg(atFirstPayload(picture), &s, device_.get()));
        Entry entry(c.entry);
        EXPECT_FALSE(decodeMask(atFirstPayload(entry), &s)) << c.what;
        EXPECT_TRUE(imagetest::noTileLocked(s)) << c.what;
        EXPECT_TRUE(s.lock()) << c.what;
        EXPECT_TRUE(s.unlock());
    }
}

TEST_P(Decoders, MaskLargerThanThePictureChangesOnlyThePicture) {
    Entry picture(record("JP", fixture::encodeJpeg(20, 10, imagetest::reddish)));
    Entry mask(record("PG", fixture::encodeMask(40, 30, [](std::int32_t x, std::int32_t) { return x % 2 == 0; })));
    Surface s;
    ASSERT_TRUE(decodeJpeg(atFirstPayload(picture), &s, device_.get()));
    ASSERT_TRUE(decodeMask(atFirstPayload(mask), &s));
    EXPECT_FALSE(s.isOpaqueAt(0, 9));
    EXPECT_TRUE(s.isOpaqueAt(19, 9));
}

std::string formatName(const ::testing::TestParamInfo<platform::PixelFormat>& info) {
    if (info.param.bitCount != 16) return "bits" + std::to_string(info.param.bitCount);
    return info.param.greenMask == 0x07E0 ? "rgb565" : "rgb555";
}

INSTANTIATE_TEST_SUITE_P(AllFormats, Decoders,
                         ::testing::Values(platform::kFormat565, platform::kFormat555, platform::kFormat24,
                                           platform::kFormat32),
                         formatName);

}  // namespace
