#include <gtest/gtest.h>

#include "shell_fixture.h"

using namespace platform;

namespace {

// Drives the arrow keys millisecond by millisecond: key repeats arrive every
// repeatMs while held, frames every frameMs, and the frames go on after the
// release until the keyboard has accounted for everything.
std::int32_t scrollFor(Game& game, ManualClock& clock, std::uint32_t holdMs, std::uint32_t frameMs,
                       std::uint32_t repeatMs, bool withSpace) {
    const std::uint32_t start = clock.now();
    game.scrollX = 0;
    game.keyboard.keyDown(static_cast<std::int32_t>(VK_RIGHT));
    if (withSpace) game.keyboard.keyDown(static_cast<std::int32_t>(VK_SPACE));
    for (std::uint32_t t = 1; t <= holdMs + 6 * frameMs; ++t) {
        clock.set(start + t);
        if (t < holdMs && repeatMs != 0 && t % repeatMs == 0) game.keyboard.keyDown(static_cast<std::int32_t>(VK_RIGHT));
        if (t == holdMs) {
            game.keyboard.keyUp(static_cast<std::int32_t>(VK_RIGHT));
            if (withSpace) game.keyboard.keyUp(static_cast<std::int32_t>(VK_SPACE));
        }
        if (t % frameMs == 0) game.scrollByKeyboard();
    }
    EXPECT_EQ(game.keyboard.size(), 0u) << "everything expired and was deleted";
    return game.scrollX;
}

TEST_F(ShellTest, HeldArrowScrollsOnePixelPerMillisecondAtAnyRate) {
    for (std::uint32_t frameMs : {1u, 7u, 16u, 33u, 100u}) {
        for (std::uint32_t repeatMs : {0u, 5u, 33u}) {
            for (bool withSpace : {false, true}) {
                EXPECT_EQ(scrollFor(game, clock, 500, frameMs, repeatMs, withSpace), 500)
                    << "frames every " << frameMs << " ms, repeat " << repeatMs << ", space " << withSpace;
            }
        }
    }
}

TEST_F(ShellTest, PressingLeftDropsTheHeldRightArrow) {
    clock.set(10000);
    game.keyboard.keyDown(static_cast<std::int32_t>(VK_RIGHT));
    clock.advance(100);
    game.scrollByKeyboard();
    EXPECT_EQ(game.scrollX, 100);
    game.keyboard.keyDown(static_cast<std::int32_t>(VK_LEFT));
    clock.advance(50);
    game.scrollByKeyboard();
    EXPECT_EQ(game.scrollX, 50) << "turns left at once";
    clock.advance(50);
    game.keyboard.keyUp(static_cast<std::int32_t>(VK_LEFT));
    clock.advance(50);
    game.scrollByKeyboard();
    EXPECT_EQ(game.scrollX, 0) << "the rest up to the release";
    for (int i = 0; i < 3; ++i) {
        clock.advance(50);
        game.scrollByKeyboard();
    }
    EXPECT_EQ(game.scrollX, 0) << "the right arrow, still held, no longer scrolls";
    game.keyboard.keyUp(static_cast<std::int32_t>(VK_RIGHT));
    EXPECT_EQ(game.keyboard.size(), 0u);
}

TEST_F(ShellTest, AKeyReleasedBetweenFramesCountsItsRestOnceThenExpires) {
    clock.set(5000);
    game.keyboard.keyDown(static_cast<std::int32_t>(VK_RIGHT));
    clock.advance(10);
    game.scrollByKeyboard();
    clock.advance(5);
    game.keyboard.keyUp(static_cast<std::int32_t>(VK_RIGHT));
    clock.advance(15);
    game.scrollByKeyboard();
    EXPECT_EQ(game.scrollX, 15);
    clock.advance(10);
    game.scrollByKeyboard();
    EXPECT_EQ(game.scrollX, 15);
    EXPECT_EQ(game.keyboard.size(), 1u) << "expired, deleted by the next frame";
    game.scrollByKeyboard();
    EXPECT_EQ(game.keyboard.size(), 0u);
}

TEST_F(ShellTest, ARepressedKeyGetsASecondRecordAndBothAreAccounted) {
    clock.set(1000);
    game.keyboard.keyDown(static_cast<std::int32_t>(VK_RIGHT));
    clock.advance(20);
    game.keyboard.keyUp(static_cast<std::int32_t>(VK_RIGHT));
    clock.advance(5);
    game.keyboard.keyDown(static_cast<std::int32_t>(VK_RIGHT));
    EXPECT_EQ(game.keyboard.size(), 2u);
    clock.advance(30);
    game.keyboard.keyUp(static_cast<std::int32_t>(VK_RIGHT));
    for (int i = 0; i < 6; ++i) game.scrollByKeyboard();
    EXPECT_EQ(game.scrollX, 50);
}

}  // namespace
