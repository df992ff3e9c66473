#include "archive/archive_locator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "archive/archive.h"
#include "fakes/archive_builder.h"
#include "cookie_file.h"
#include "platform/game_error.h"

using namespace fixture;

namespace {

// Opens content through the locator from a real file; returns the position
// the locator left, or -1 when open threw.
long locate(const Bytes& content) {
    TempFile file(content);
    ArchiveLocator locator;
    try {
        std::FILE* handle = locator.open(file.path().c_str());
        EXPECT_EQ(handle, locator.handle());
        return std::ftell(handle);
    } catch (const GameError& error) {
        EXPECT_STREQ(error.what(), "");
        return -1;
    }
}

Bytes withTail(Bytes image, const Bytes& tail) {
    image.insert(image.end(), tail.begin(), tail.end());
    return image;
}

Bytes pdbPathOfLength(std::size_t n) {
    return codeViewRecord(std::string(n - 4, 'p') + ".pdb");
}

const Bytes kZipTail = makeZip({{"muni.nl", record("FC", u32le(1))}});

struct PeCase {
    const char* name;
    Bytes file;
    long expected;  // -1: open fails
};

std::vector<PeCase> peCases() {
    const PeImage plain;
    const Bytes pe = makePe(plain);
    const long end = static_cast<long>(peImageEnd(plain));
    PeImage unordered;
    unordered.sections = {{0x400, 0x800}, {0x200, 0x100}};
    PeImage noSections;
    noSections.sections.clear();
    PeImage wrongSignature;
    wrongSignature.peSignature = 0x4551;
    PeImage headersOutside;
    headersOutside.peOffset = 0x10000;
    Bytes wrongDos = pe;
    wrongDos[1] = 'X';
    Bytes cutSectionTable(pe.begin(), pe.begin() + 0x80 + 248 + 20);
    // The last section's raw range patched in place, so no huge file is made.
    const auto lastSectionAt = [&pe](std::uint32_t rawPointer, std::uint32_t rawSize) {
        Bytes patched = pe;
        const std::size_t at = 0x80 + 248;
        for (int i = 0; i < 4; ++i) {
            patched[at + 16 + i] = static_cast<std::uint8_t>(rawSize >> (8 * i));
            patched[at + 20 + i] = static_cast<std::uint8_t>(rawPointer >> (8 * i));
        }
        return patched;
    };
    const Bytes pdb = codeViewRecord("c:\\build\\shooter.pdb");
    return {
        {"nothing appended", pe, end},
        {"archive appended", withTail(pe, kZipTail), end},
        {"pdb record skipped", withTail(pe, withTail(pdb, kZipTail)), end + static_cast<long>(pdb.size())},
        {"upper case PDB kept", withTail(pe, withTail(codeViewRecord("c:\\shooter.PDB"), kZipTail)), end},
        {"non-zero offset field kept", withTail(pe, withTail(codeViewRecord("c:\\s.pdb", 0x20), kZipTail)), end},
        {"zero at byte 254 skipped", withTail(pe, withTail(pdbPathOfLength(238), kZipTail)), end + 255},
        {"zero beyond byte 254 kept", withTail(pe, withTail(pdbPathOfLength(239), kZipTail)), end},
        {"truncated pdb record kept", withTail(pe, Bytes(pdb.begin(), pdb.end() - 1)), end},
        {"last entry decides", makePe(unordered), 0x300},
        {"end at the largest signed 32-bit offset", lastSectionAt(0x7FFFFF00, 0xFF), 0x7FFFFFFF},
        {"end beyond a signed 32-bit offset", lastSectionAt(0x7FFFFF00, 0x100), -1},
        {"end wraps at 32 bits", lastSectionAt(0xFFFFFF00, 0x180), 0x80},
        {"shorter than 64 bytes", Bytes(pe.begin(), pe.begin() + 63), -1},
        {"wrong DOS signature", wrongDos, -1},
        {"wrong PE signature", makePe(wrongSignature), -1},
        {"no sections", makePe(noSections), -1},
        {"short section table", cutSectionTable, -1},
        {"PE headers outside the file", Bytes(pe.begin(), pe.begin() + 0x100), -1},
    };
}

TEST(ArchiveLocatorPe, PositionsBehindTheImage) {
    for (const PeCase& c : peCases()) {
        EXPECT_EQ(locate(c.file), c.expected) << c.name;
    }
}

struct ElfCase {
    const char* name;
    ElfImage image;
};

ElfImage elfOf(bool is64, bool bigEndian) {
    ElfImage image;
    image.is64 = is64;
    image.bigEndian = bigEndian;
    image.sections = {{0x100, 0x40}, {0x140, 0x200}, {0x340, 0x10000, true}};
    image.segments = {{0, 0x140}, {0x140, 0x200}};
    return image;
}

TEST(ArchiveLocatorElf, PositionsBehindTheLargestDescribedEnd) {
    ElfImage tableFirst = elfOf(true, false);
    tableFirst.sectionTableOffset = 0x100;
    tableFirst.sections = {{0x200, 0x40}};
    tableFirst.segments = {{0, 0x600}};  // a segment reaches furthest
    ElfImage segmentsLast = elfOf(false, true);
    segmentsLast.segmentTableOffset = 0x800;
    segmentsLast.sectionTableOffset = 0x400;
    const ElfCase cases[] = {
        {"64-bit little endian", elfOf(true, false)},
        {"64-bit big endian", elfOf(true, true)},
        {"32-bit little endian", elfOf(false, false)},
        {"32-bit big endian", elfOf(false, true)},
        {"segment reaches furthest", tableFirst},
        {"program header table last", segmentsLast},
    };
    for (const ElfCase& c : cases) {
        const long end = static_cast<long>(elfImageEnd(c.image));
        EXPECT_EQ(locate(makeElf(c.image)), end) << c.name;
        EXPECT_EQ(locate(withTail(makeElf(c.image), kZipTail)), end) << c.name << ", archive appended";
    }
    EXPECT_EQ(elfImageEnd(tableFirst), 0x600u);
    EXPECT_EQ(elfImageEnd(segmentsLast), 0x800u + 2 * 32);
}

TEST(ArchiveLocatorElf, RefusesHeadersPointingOutsideTheFile) {
    ElfImage early = elfOf(true, false);
    early.sectionTableOffset = 0x100;
    early.segmentTableOffset = 0x40;
    early.sections = {{0x1000, 0x1000}};
    early.segments = {{0, 0x300}};
    Bytes sectionOutside = makeElf(early);
    sectionOutside.resize(0x1800);

    ElfImage segmentFar = elfOf(false, false);
    Bytes segmentOutside = makeElf(segmentFar);
    segmentOutside[52 + 32 + 16 + 3] = 0x10;  // second segment's file size: far beyond the end

    Bytes tableCut = makeElf(elfOf(true, true));
    tableCut.resize(tableCut.size() - 1);

    Bytes badClass = makeElf(elfOf(true, false));
    badClass[4] = 3;
    Bytes tiny = makeElf(elfOf(false, false));
    tiny.resize(60);

    EXPECT_EQ(locate(sectionOutside), -1);
    EXPECT_EQ(locate(segmentOutside), -1);
    EXPECT_EQ(locate(tableCut), -1);
    EXPECT_EQ(locate(badClass), -1);
    EXPECT_EQ(locate(tiny), -1);
}

TEST(ArchiveLocatorElf, RealExecutableHasNoArchive) {
    const Bytes self = readFile("/proc/self/exe");
    ASSERT_GT(self.size(), 64u);
    ArchiveLocator locator;
    std::FILE* handle = locator.open("/proc/self/exe");
    EXPECT_EQ(std::ftell(handle), static_cast<long>(self.size()));
    Archive archive;
    EXPECT_EQ(archive.openArchive(locator.handOver()), nullptr);
    EXPECT_EQ(locator.handle(), nullptr);
}

TEST(ArchiveLocator, FailuresThrowAnEmptyError) {
    ArchiveLocator locator;
    EXPECT_THROW(locator.open(static_cast<const char*>(nullptr)), GameError);
    EXPECT_THROW(locator.open("/nonexistent/shooter"), GameError);
    EXPECT_THROW(locator.open(FileHandle()), GameError);
    EXPECT_EQ(locator.handle(), nullptr);
}

TEST(ArchiveLocator, FailedOpenLeavesTheHandleForClose) {
    PeImage wrong;
    wrong.peSignature = 0;
    CookieFile file(makePe(wrong));
    ArchiveLocator locator;
    EXPECT_THROW(locator.open(FileHandle(file.open())), GameError);
    EXPECT_NE(locator.handle(), nullptr);
    EXPECT_EQ(file.closeCount(), 0);
    locator.close();
    locator.close();
    EXPECT_EQ(file.closeCount(), 1);
}

TEST(ArchiveLocator, NothingAppendedClosesTheHandleOnceAfterHandOver) {
    CookieFile file(makePe(PeImage()));
    {
        ArchiveLocator locator;
        std::FILE* handle = locator.open(FileHandle(file.open()));
        EXPECT_EQ(std::ftell(handle), static_cast<long>(peImageEnd(PeImage())));
        Archive archive;
        EXPECT_EQ(archive.openArchive(locator.handOver()), nullptr);
        EXPECT_EQ(file.closeCount(), 1);
        locator.close();
        archive.close();
    }
    EXPECT_EQ(file.closeCount(), 1);
}

}  // namespace
