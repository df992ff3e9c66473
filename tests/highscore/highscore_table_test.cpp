#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "display/font.h"
#include "fakes/manual_clock.h"
#include "highscore/highscore_table.h"
#include "platform/video_system.h"

namespace {

class Owner : public HighscoreOwner {
public:
    std::int32_t pictureWidth() const override { return 640; }
    std::int32_t pictureHeight() const override { return 480; }
    const char* tableName() const override { return ""; }
    const Font& tableFont() const override { return font; }
    Font font;
};

class HighscoreTableTest : public ::testing::Test {
protected:
    HighscoreTableTest() { table.setOwner(&owner); }

    void uncover() { table.revealX = 630; }
    std::string name(int row) const { return table.names[row]; }

    Owner owner;
    HighscoreTable table;
};

TEST_F(HighscoreTableTest, ANewScoreTakesTheRowItBeats) {
    struct Case {
        std::int32_t score;
        std::int32_t row;  // -1: not entered
    } cases[] = {{950, 0}, {800, 2}, {150, 8}, {100, -1}, {50, -1}};
    for (const auto& c : cases) {
        table.setDefaults();
        table.newScore = c.score;
        table.makeOffer();
        EXPECT_EQ(table.editRow, c.row) << c.score;
        EXPECT_EQ(table.count, 9);
        if (c.row < 0) {
            EXPECT_EQ(table.scores[8], 100);
            continue;
        }
        EXPECT_EQ(table.scores[c.row], c.score);
        EXPECT_EQ(name(c.row), "");
        EXPECT_EQ(table.editY, 80 + 38 * c.row);
        EXPECT_NE(name(8), "Velko") << "the last row drops out";
    }
    table.setDefaults();
    table.newScore = 950;
    table.makeOffer();
    EXPECT_EQ(name(1), "Quillon");
    EXPECT_EQ(name(8), "Ostin");
}

TEST_F(HighscoreTableTest, NameEntryKeepsElevenAcceptedCharacters) {
    table.newScore = 950;
    table.makeOffer();
    table.onChar('A');
    EXPECT_EQ(name(0), "") << "typing is ignored while the curtain covers the table";
    uncover();
    table.onChar(8);
    EXPECT_EQ(name(0), "") << "Backspace on an empty name";
    for (char c : std::string("Bea \xE4!twelve_chars")) table.onChar(static_cast<unsigned char>(c));
    EXPECT_EQ(name(0), "Bea twelvec");
    table.onChar(8);
    EXPECT_EQ(name(0), "Bea twelve");
    table.onChar(13);
    EXPECT_EQ(table.editRow, -1);
    EXPECT_EQ(table.editY, 0);
    EXPECT_FALSE(table.done) << "the Enter that ends editing does not leave the screen";
    table.onChar(13);
    EXPECT_TRUE(table.done);
}

TEST_F(HighscoreTableTest, TheCurtainUncoversTheTableAfterAboutTwoAndAHalfSeconds) {
    ManualClock clock(50000);
    auto device = platform::createOffscreenDevice(platform::kFormat565);
    auto target = device->createSurface(640, 480);
    const platform::Rect clip{0, 0, 640, 480};
    for (int i = 0; i < 9; ++i) table.draw(target.get(), &clip, false);
    EXPECT_EQ(table.revealStart, 0u) << "the kept picture stays for nine frames";
    table.draw(target.get(), &clip, false);
    EXPECT_EQ(table.revealStart, 50000u);
    // Frames every 16 ms: each column sinks to the bottom after about 1.26 s,
    // and each starts 20 ms after its left neighbour.
    std::uint32_t firstOpen = 0;
    while (!table.isUncovered() && clock.now() - 50000u < 5000u) {
        clock.advance(16);
        table.draw(target.get(), &clip, false);
        if (firstOpen == 0 && table.revealX >= 0) firstOpen = clock.now() - 50000u;
    }
    EXPECT_GE(firstOpen, 1200u);
    EXPECT_LE(firstOpen, 1300u);
    const std::uint32_t done = clock.now() - 50000u;
    EXPECT_GE(done, 2450u);
    EXPECT_LE(done, 2600u);
}

}  // namespace
