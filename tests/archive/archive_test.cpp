#include "archive/archive.h"

#include <gtest/gtest.h>

#include <numeric>

#include <zlib.h>

#include "archive/archive_locator.h"
#include "archive/archive_stream.h"
#include "fakes/archive_builder.h"
#include "cookie_file.h"

using namespace fixture;

namespace {

Bytes counting(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    return bytes;
}

// "muni.nl" is deflated, "back.nb" stored; both hold a few records.
std::vector<ZipEntry> sampleEntries() {
    return {
        {"muni.nl", concat({record("FC", u32le(1)), record("TN", counting(1000)), record("MP"),
                            record("JP", counting(3000))})},
        {"back.nb", concat({record("PI", u32le(5)), record("PG")}), false},
    };
}

Bytes peExecutable() {
    return makePe(PeImage());
}

// The same archive behind a crafted PE, a crafted ELF, this very test binary
// and the game's own bare binary: the ZIP's offsets count from its own start
// in every case, as the packer writes them.
class AppendedArchive : public ::testing::TestWithParam<int> {
protected:
    static Bytes executable(int kind) {
        switch (kind) {
        case 0: return peExecutable();
        case 1: return smallElf();
        case 2: return readFile("/proc/self/exe");
        default: return readFile(SHOOTER_BINARY_DIR "/shooter_bare");
        }
    }

    void SetUp() override {
        const Bytes image = executable(GetParam());
        if (image.empty()) {
            GTEST_SKIP() << "the game binary is not built";
        }
        fixture_ = std::make_unique<ArchiveFixture>(sampleEntries(), image);
        ASSERT_NE(fixture_->stream(), nullptr);
        stream_ = fixture_->stream();
    }

    std::unique_ptr<ArchiveFixture> fixture_;
    ArchiveStream* stream_ = nullptr;
};

TEST_P(AppendedArchive, OpensEntriesWithoutRegardToCase) {
    Archive& archive = fixture_->archive();
    EXPECT_EQ(archive.entrySize("MUNI.NL"), static_cast<std::int32_t>(sampleEntries()[0].data.size()));
    EXPECT_EQ(archive.entrySize("Back.Nb"), 16);
    EXPECT_EQ(archive.entrySize("cur.nl"), 0);
    EXPECT_FALSE(archive.entryOpen());

    ASSERT_TRUE(stream_->openEntry("Muni.nl"));
    char tag[2];
    ASSERT_TRUE(stream_->beginRecord(tag));
    EXPECT_TRUE(tagEquals(tag, "FC"));
    std::uint32_t count = 0;
    ASSERT_TRUE(stream_->readU32(&count));
    EXPECT_EQ(count, 1u);
    EXPECT_TRUE(stream_->endRecord());
    EXPECT_EQ(stream_->tell(), 10);
}

TEST_P(AppendedArchive, MissingEntryLeavesNoEntryOpen) {
    ASSERT_TRUE(stream_->openEntry("back.nb"));
    EXPECT_FALSE(stream_->openEntry("front.nb"));
    EXPECT_FALSE(fixture_->archive().entryOpen());
    std::uint8_t byte;
    EXPECT_FALSE(stream_->readU8(&byte));
    EXPECT_EQ(stream_->tell(), 0);
    EXPECT_EQ(fixture_->archive().currentEntrySize(), 0);
    EXPECT_FALSE(stream_->openEntry(nullptr));
}

std::string executableName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"CraftedPe", "CraftedElf", "ThisTestBinary", "GameBinary"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Executables, AppendedArchive, ::testing::Values(0, 1, 2, 3), executableName);

TEST(Archive, ClosesItsHandleExactlyOnce) {
    CookieFile notAZip(counting(5000));
    {
        Archive archive;
        EXPECT_EQ(archive.openArchive(FileHandle(notAZip.open())), nullptr);
        EXPECT_EQ(notAZip.closeCount(), 1);
        EXPECT_EQ(archive.openArchive(FileHandle()), nullptr);
    }
    EXPECT_EQ(notAZip.closeCount(), 1);

    CookieFile zip(concat({peExecutable(), makeZip(sampleEntries())}));
    {
        Archive archive;
        auto stream = archive.openArchive(FileHandle(zip.open()));
        ASSERT_NE(stream, nullptr);
        EXPECT_TRUE(stream->openEntry("back.nb"));
        archive.release(std::move(stream));
        EXPECT_EQ(zip.closeCount(), 1);
        EXPECT_FALSE(archive.isOpen());
        EXPECT_FALSE(archive.openEntry("back.nb"));
    }
    EXPECT_EQ(zip.closeCount(), 1);

    // Opening a second archive closes the first one's handle.
    CookieFile first(makeZip(sampleEntries()));
    CookieFile second(makeZip(sampleEntries()));
    Archive archive;
    auto one = archive.openArchive(FileHandle(first.open()));
    auto two = archive.openArchive(FileHandle(second.open()));
    EXPECT_EQ(first.closeCount(), 1);
    EXPECT_EQ(second.closeCount(), 0);
    archive.close();
    EXPECT_EQ(second.closeCount(), 1);
}

class StreamTest : public ::testing::Test {
protected:
    void open(const Bytes& data) {
        fixture_ = singleEntry("data.x", data);
        ASSERT_NE(fixture_->stream(), nullptr);
        stream_ = fixture_->stream();
        ASSERT_TRUE(stream_->openEntry("data.x"));
    }

    std::unique_ptr<ArchiveFixture> fixture_;
    ArchiveStream* stream_ = nullptr;
    char tag_[2] = {0, 0};
};

TEST_F(StreamTest, ReadsLittleEndianNumbers) {
    open(ByteWriter().u8(0xAB).u16(0x1234).u32(0xDEADBEEF).take());
    std::uint8_t a = 0;
    std::uint16_t b = 0;
    std::uint32_t c = 0;
    EXPECT_TRUE(stream_->readU8(&a));
    EXPECT_TRUE(stream_->readU16(&b));
    EXPECT_TRUE(stream_->readU32(&c));
    EXPECT_EQ(a, 0xAB);
    EXPECT_EQ(b, 0x1234);
    EXPECT_EQ(c, 0xDEADBEEFu);
    EXPECT_FALSE(stream_->readU8(&a));
    EXPECT_FALSE(stream_->readU8(nullptr));
}

TEST_F(StreamTest, ReadExactAndSkipToMoveOnlyForward) {
    const Bytes data = counting(10000);
    open(data);
    std::uint8_t buffer[16];
    EXPECT_FALSE(stream_->readExact(buffer, 0));
    EXPECT_FALSE(stream_->readExact(nullptr, 4));
    ASSERT_TRUE(stream_->skipTo(9000));
    EXPECT_EQ(stream_->tell(), 9000);
    EXPECT_TRUE(stream_->skipTo(100));
    EXPECT_EQ(stream_->tell(), 9000);
    ASSERT_TRUE(stream_->readExact(buffer, 16));
    EXPECT_EQ(buffer[0], data[9000]);
    EXPECT_EQ(buffer[15], data[9015]);
    EXPECT_FALSE(stream_->skipTo(20000));
    EXPECT_EQ(stream_->tell(), 10000);
    // A short read consumes what was left.
    open(data);
    ASSERT_TRUE(stream_->skipTo(9990));
    std::uint8_t rest[16];
    EXPECT_FALSE(stream_->readExact(rest, 16));
    EXPECT_EQ(stream_->tell(), 10000);
}

TEST_F(StreamTest, RecordWalkAndEndOfEntry) {
    open(concat({record("SS", counting(5)), record("ST"), record("PG", counting(3))}));
    ASSERT_TRUE(stream_->beginRecord(tag_));
    EXPECT_TRUE(stream_->tagIs("SS"));
    EXPECT_EQ(stream_->recordLength(), 5);
    EXPECT_EQ(stream_->size(), 5);
    EXPECT_TRUE(stream_->endRecord());  // skips the unread payload
    EXPECT_EQ(stream_->recordLength(), -1);
    EXPECT_FALSE(stream_->endRecord());

    ASSERT_TRUE(stream_->beginRecord(tag_));
    EXPECT_TRUE(tagEquals(tag_, "ST"));
    EXPECT_EQ(stream_->size(), 26);  // empty record: the entry's size
    const std::int32_t before = stream_->tell();
    EXPECT_TRUE(stream_->endRecord());
    EXPECT_EQ(stream_->tell(), before);

    ASSERT_TRUE(stream_->beginRecord(tag_));
    std::uint8_t payload[3];
    ASSERT_TRUE(stream_->readExact(payload, 3));
    // At the end of the entry a new record cannot begin, and the current one
    // stays as it was.
    EXPECT_FALSE(stream_->beginRecord(tag_));
    EXPECT_TRUE(tagEquals(tag_, "PG"));
    EXPECT_TRUE(stream_->tagIs("PG"));
    EXPECT_EQ(stream_->recordLength(), 3);
    EXPECT_TRUE(stream_->endRecord());
    EXPECT_FALSE(stream_->beginRecord(tag_));
    EXPECT_FALSE(stream_->inRecord());
    EXPECT_EQ(stream_->recordLength(), -1);
    EXPECT_FALSE(stream_->beginRecord(nullptr));
}

TEST_F(StreamTest, ReadUpToStopsAtTheRecordEnd) {
    open(concat({record("JP", counting(1024)), record("PG", counting(10))}));
    std::uint8_t buffer[4096];
    EXPECT_EQ(stream_->readUpTo(buffer, 4096), 0);  // no record yet
    ASSERT_TRUE(stream_->beginRecord(tag_));
    ASSERT_TRUE(stream_->readExact(buffer, 24));
    EXPECT_EQ(stream_->readUpTo(buffer, 4096), 1000);
    EXPECT_EQ(buffer[999], counting(1024)[1023]);
    EXPECT_EQ(stream_->readUpTo(buffer, 4096), 0);
    EXPECT_TRUE(stream_->endRecord());
    ASSERT_TRUE(stream_->beginRecord(tag_));
    EXPECT_TRUE(tagEquals(tag_, "PG"));
    EXPECT_EQ(stream_->readUpTo(buffer, 4), 4);
    EXPECT_EQ(stream_->readUpTo(buffer, 4096), 6);
}

TEST_F(StreamTest, RecordLongerThanTheEntryFailsCleanly) {
    const std::uint32_t lengths[] = {0xFFFFFFF0u, 0x80000000u, 0xFFFFFFFFu, 17};
    for (std::uint32_t length : lengths) {
        open(ByteWriter().recordHeader("SD", length).bytes(counting(10)).record("PG").take());
        ASSERT_TRUE(stream_->beginRecord(tag_)) << length;
        EXPECT_GT(stream_->recordLength(), 10) << length;
        // The size offered for buffers is what the entry really holds.
        EXPECT_EQ(stream_->size(), 16) << length;
        // The block read runs into the end of the entry and fails whole.
        std::uint8_t buffer[64];
        EXPECT_EQ(stream_->readUpTo(buffer, 64), 0) << length;
        EXPECT_EQ(stream_->tell(), 22) << length;
        EXPECT_FALSE(stream_->endRecord()) << length;
        EXPECT_FALSE(stream_->beginRecord(tag_)) << length;
    }
}

TEST_F(StreamTest, TruncatedRecordHeaderLeavesTheStateAlone) {
    open(ByteWriter().record("FC", u32le(7)).u8('J').u8('P').u16(3).take());
    ASSERT_TRUE(stream_->beginRecord(tag_));
    EXPECT_TRUE(stream_->endRecord());
    EXPECT_FALSE(stream_->beginRecord(tag_));
    EXPECT_FALSE(stream_->inRecord());
    EXPECT_EQ(stream_->recordLength(), -1);
}

Bytes replaceAll(Bytes bytes, const Bytes& from, const Bytes& to) {
    for (auto at = std::search(bytes.begin(), bytes.end(), from.begin(), from.end()); at != bytes.end();
         at = std::search(at + 1, bytes.end(), from.begin(), from.end())) {
        std::copy(to.begin(), to.end(), at);
    }
    return bytes;
}

std::uint32_t crcOf(const Bytes& data) {
    return static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
}

TEST(ArchiveDamage, DamagedDeflateFailsTheRead) {
    const Bytes data(20000, 'a');
    Bytes zip = makeZip({{"data.x", data}});
    // The compressed bytes sit behind the 30-byte local header and the name.
    const std::size_t start = 30 + 6;
    for (std::size_t i = start; i < start + 16; ++i) {
        zip[i] = 0xFF;
    }
    CookieFile file(zip);
    Archive archive;
    auto stream = archive.openArchive(FileHandle(file.open()));
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(stream->openEntry("data.x"));
    EXPECT_EQ(stream->size(), 20000);
    std::uint8_t buffer[256];
    EXPECT_FALSE(stream->readExact(buffer, sizeof buffer));
    stream->closeEntry();
    EXPECT_FALSE(archive.entryOpen());
}

TEST(ArchiveDamage, ChecksumMismatchOnAFullyReadEntryIsIgnored) {
    const Bytes data = counting(300);
    const Bytes zip = replaceAll(makeZip({{"data.x", data}, {"next.x", counting(4)}}), u32le(crcOf(data)),
                                 u32le(crcOf(data) ^ 1));
    CookieFile file(zip);
    Archive archive;
    auto stream = archive.openArchive(FileHandle(file.open()));
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(stream->openEntry("data.x"));
    std::uint8_t buffer[300];
    ASSERT_TRUE(stream->readExact(buffer, 300));
    stream->closeEntry();
    EXPECT_FALSE(archive.entryOpen());
    ASSERT_TRUE(stream->openEntry("next.x"));
    EXPECT_TRUE(stream->readExact(buffer, 4));
}

TEST(ArchiveDamage, ClaimedEntrySizeIsHeldToWhatTheFileCanHold) {
    const Bytes data(1000, 'a');
    const std::vector<std::pair<bool, std::int32_t>> cases = {{true, 0x7FFFFFF0}, {false, 0x7FFFFFF0}};
    for (const auto& [deflate, claim] : cases) {
        const Bytes zip = replaceAll(makeZip({{"data.x", data, deflate}}), u32le(1000), u32le(claim));
        CookieFile file(zip);
        Archive archive;
        auto stream = archive.openArchive(FileHandle(file.open()));
        ASSERT_NE(stream, nullptr);
        ASSERT_TRUE(stream->openEntry("data.x"));
        EXPECT_LT(stream->size(), deflate ? 1032 * static_cast<std::int32_t>(zip.size()) + 1024 : 2000);
        EXPECT_GE(stream->size(), deflate ? 1000 : 0);
        if (deflate) {
            std::uint8_t buffer[1000];
            EXPECT_TRUE(stream->readExact(buffer, 1000));
        }
    }
}

}  // namespace
