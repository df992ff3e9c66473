#include "archive/tagged_records.h"

#include <gtest/gtest.h>

#include "archive/archive_stream.h"
#include "fakes/archive_builder.h"

using namespace fixture;

namespace {

Bytes words(std::initializer_list<std::uint32_t> values) {
    ByteWriter w;
    for (std::uint32_t v : values) {
        w.u32(v);
    }
    return w.take();
}

class TaggedRecords : public ::testing::Test {
protected:
    ArchiveStream& open(const Bytes& data) {
        fixture_ = singleEntry("figur.xx", data);
        EXPECT_TRUE(fixture_->stream()->openEntry("figur.xx"));
        return *fixture_->stream();
    }

    // The tag of the record the stream stands before, or "--" at the end.
    std::string nextTag(ArchiveStream& stream) {
        char tag[2];
        return stream.beginRecord(tag) ? std::string(tag, 2) : "--";
    }

    std::unique_ptr<ArchiveFixture> fixture_;
};

TEST_F(TaggedRecords, ReadCountSkipsOtherRecordsAndStopsBehindFc) {
    ArchiveStream& stream = open(concat({record("TN", Bytes(50, 1)), record("EX"),
                                         record("FC", words({12, 99})), record("MP")}));
    std::uint32_t count = 0;
    EXPECT_TRUE(readCount(&stream, &count));
    EXPECT_EQ(count, 12u);
    EXPECT_EQ(nextTag(stream), "MP");
}

TEST_F(TaggedRecords, ReadTimingsSumsTheLow12Bits) {
    const Bytes ti = words({0x1064, 0xF0000032, 100, 0xFFF, 5, 6, 7, 8});
    for (std::uint32_t n : {8u, 4u}) {
        ArchiveStream& stream = open(concat({record("FC", words({8})), record("TI", ti), record("F6")}));
        std::uint32_t values[8] = {};
        std::int32_t total = -1;
        ASSERT_TRUE(readTimings(&stream, &total, values, n)) << n;
        EXPECT_EQ(values[1], 0xF0000032u);
        EXPECT_EQ(values[n - 1], n == 8 ? 8u : 0xFFFu);
        EXPECT_EQ(total, n == 8 ? 0x64 + 0x32 + 100 + 0xFFF + 26 : 0x64 + 0x32 + 100 + 0xFFF) << n;
        EXPECT_EQ(nextTag(stream), "F6") << n;  // the unread words were skipped
    }
}

TEST_F(TaggedRecords, FailsWhenTheRecordIsMissingOrShort) {
    std::uint32_t count = 0;
    std::uint32_t values[4] = {};
    std::int32_t total = 0;
    ArchiveStream& noFc = open(concat({record("TI", words({1, 2})), record("JP")}));
    EXPECT_FALSE(readCount(&noFc, &count));
    EXPECT_EQ(nextTag(noFc), "--");

    ArchiveStream& noTi = open(concat({record("FC", words({1})), record("JP")}));
    EXPECT_FALSE(readTimings(&noTi, &total, values, 4));

    ArchiveStream& shortTi = open(concat({record("TI", words({1, 2})), record("JP")}));
    EXPECT_FALSE(readTimings(&shortTi, &total, values, 4));

    ArchiveStream& shortFc = open(record("FC", Bytes{1, 2}));
    EXPECT_FALSE(readCount(&shortFc, &count));

    ArchiveStream& any = open(record("FC", words({3})));
    EXPECT_FALSE(readCount(nullptr, &count));
    EXPECT_FALSE(readCount(&any, nullptr));
    EXPECT_FALSE(readTimings(&any, nullptr, values, 1));
    EXPECT_FALSE(readTimings(&any, &total, nullptr, 1));
}

}  // namespace
