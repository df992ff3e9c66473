#include "archive/image_records.h"

#include <gtest/gtest.h>

#include "image_fixture.h"

namespace {

using fixture::Bytes;
using fixture::concat;
using fixture::record;
using imagetest::Entry;

Bytes sizeHeader(std::uint16_t version, std::uint32_t w, std::uint32_t h) {
    fixture::ByteWriter payload;
    payload.u16(version).u32(w).u32(h).u32(254).u32(254).u32(254).u32(46);
    return record("MP", payload.take());
}

class ImageRecords : public ::testing::Test {
protected:
    std::unique_ptr<platform::VideoDevice> device_ = platform::createOffscreenDevice(platform::kFormat565);
    const Bytes jp_ = record("JP", imagetest::crossPicture());
    const Bytes pg_ = record("PG", imagetest::crossMask());
};

TEST_F(ImageRecords, ReadsWithAndWithoutSizeHeader) {
    const Bytes png = imagetest::crossMask();
    // Shipped masks carry a second IEND chunk behind the first.
    const Bytes doubleEnd = concat({png, Bytes(png.end() - 12, png.end())});
    struct Case {
        const char* what;
        Bytes data;
    };
    const Case cases[] = {
        {"plain", concat({jp_, pg_})},
        {"second IEND", concat({jp_, record("PG", doubleEnd)})},
        {"size header among others",
         concat({record("FC", fixture::u32le(1)), record("TN", Bytes(40, 1)), sizeHeader(10, 30, 30), jp_, pg_,
                 record("OR", Bytes(9, 2))})},
    };
    for (const Case& c : cases) {
        Entry entry(c.data);
        Surface s;
        ASSERT_TRUE(readImage(entry.stream(), &s, device_.get())) << c.what;
        EXPECT_EQ(s.width(), 30);
        EXPECT_FALSE(s.isOpaqueAt(0, 0)) << c.what;
        EXPECT_TRUE(s.isOpaqueAt(15, 15)) << c.what;
        char tag[2];
        const bool more = entry.stream()->beginRecord(tag);
        EXPECT_EQ(more, std::string(c.what) == "size header among others") << c.what;
    }
}

TEST_F(ImageRecords, EndOfDataDecidesBySizeHeaderAndPicture) {
    struct Case {
        const char* what;
        Bytes data;
        bool ok;
    };
    const Case cases[] = {
        {"MP and JP only", concat({sizeHeader(10, 30, 30), jp_}), true},
        {"JP only", jp_, false},
        {"MP version 9", concat({sizeHeader(9, 30, 30), jp_, pg_}), false},
        {"MP too short", concat({record("MP", Bytes{10, 0, 30}), jp_, pg_}), false},
        {"MP absurd size", concat({sizeHeader(10, 100000, 30), jp_, pg_}), false},
        {"nothing", Bytes{}, false},
    };
    for (const Case& c : cases) {
        Entry entry(c.data);
        Surface s;
        EXPECT_EQ(readImage(entry.stream(), &s, device_.get()), c.ok) << c.what;
        EXPECT_TRUE(imagetest::noTileLocked(s));
    }
}

TEST_F(ImageRecords, MaskBeforePictureLeavesItUnmasked) {
    Entry entry(concat({pg_, jp_, pg_}));
    Surface s;
    ASSERT_TRUE(readImage(entry.stream(), &s, device_.get()));
    EXPECT_TRUE(s.isOpaqueAt(0, 0));
    char tag[2];
    ASSERT_TRUE(entry.stream()->beginRecord(tag));  // the stream stopped behind "JP"
    EXPECT_TRUE(tagEquals(tag, "PG"));
}

TEST_F(ImageRecords, SurfaceStillHoldingAPictureNeedsASizeHeader) {
    Surface s;
    {
        Entry first(concat({jp_, pg_}));
        ASSERT_TRUE(readImage(first.stream(), &s, device_.get()));
    }
    Entry again(concat({jp_, pg_}));
    EXPECT_FALSE(readImage(again.stream(), &s, device_.get()));
    Entry withHeader(concat({sizeHeader(10, 30, 30), jp_, pg_}));
    ASSERT_TRUE(readImage(withHeader.stream(), &s, device_.get()));
    EXPECT_EQ(s.width(), 30);
}

TEST_F(ImageRecords, PairLeavesTheMaskRecordCurrent) {
    Entry entry(concat({record("ST"), jp_, record("PG"), record("SH")}));
    ArchiveStream* stream = entry.stream();
    char tag[2];
    ASSERT_TRUE(stream->beginRecord(tag));
    ASSERT_TRUE(stream->endRecord());
    Surface s;
    ASSERT_TRUE(readImagePair(stream, &s, device_.get()));
    EXPECT_TRUE(stream->tagIs("PG"));
    EXPECT_TRUE(s.isOpaqueAt(0, 0));
    ASSERT_TRUE(stream->endRecord());
    ASSERT_TRUE(stream->beginRecord(tag));
    EXPECT_TRUE(tagEquals(tag, "SH"));

    Entry broken(concat({record("JP"), record("PG")}));
    EXPECT_FALSE(readImagePair(broken.stream(), &s, device_.get()));
    EXPECT_FALSE(readImagePair(nullptr, &s, device_.get()));
}

}  // namespace
