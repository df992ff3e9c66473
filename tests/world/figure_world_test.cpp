#include "world/figure_world.h"

#include <gtest/gtest.h>

#include "fakes/manual_clock.h"
#include "world_fixture.h"

namespace {

using namespace worldtest;

TypeParams params(std::int32_t id, std::uint8_t mirrored = 0) {
    TypeParams p;
    p.id = id;
    p.mirrored = mirrored;
    for (std::int32_t i = 0; i < 10; ++i) p.values[i] = id * 100 + i - 3;
    return p;
}

// Five types and four looks, covering each shape a type block can take.
Bytes smallWorld() {
    return concat({
        record("F1", u32le(5)),
        // 0: sound, its own death animation, pointing at itself.
        record("SD", Bytes(12, 7)), deathRecord(0, 1), animationBlock({100, 100, 100}), parameterRecord(params(0)),
        // 1: no sound, no death record, mirrored.
        parameterRecord(params(4, 1)),
        // 2: a death index but no own animation.
        deathRecord(2, 0), parameterRecord(params(5)),
        // 3: own animation, but an index that names no type; mirrored without a look.
        deathRecord(7, 1), animationBlock({40}), parameterRecord(params(9, 1)),
        // 4: an empty sound, dying with type 2's empty animation.
        record("SD"), deathRecord(2, 0), parameterRecord(params(6)),
        record("F4", u32le(4)),
        lookBlock(0, {225, 225, 225}), lookBlock(4, {150, 150}), lookBlock(5, {80}), lookBlock(0, {1}),
    });
}

class FigureWorldTest : public ::testing::Test {
protected:
    bool load(const Bytes& data) {
        Entry entry(data);
        return world_.load(entry.stream(), device_.get());
    }

    ManualClock clock_{5000};
    std::unique_ptr<platform::VideoDevice> device_ = platform::createOffscreenDevice(platform::kFormat565);
    FigureWorld world_;
};

TEST_F(FigureWorldTest, LoadsTypesLooksAndDeathAnimations) {
    ASSERT_TRUE(load(smallWorld()));
    EXPECT_EQ(world_.declaredTypeCount(), 5);
    ASSERT_EQ(world_.typeCount(), 5);
    ASSERT_EQ(world_.animationCount(), 4);

    const FigureType& first = *world_.typeAt(0);
    EXPECT_EQ(first.id, 0);
    const std::int32_t fields[] = {first.baseY,  first.ySpread,   first.layer,     first.baseSpeed,   first.speedSpread,
                                   first.points, first.maxCount, first.hitPoints, first.spawnChance, first.motionMode};
    for (std::int32_t i = 0; i < 10; ++i) EXPECT_EQ(fields[i], i - 3) << "field " << i;
    EXPECT_FALSE(first.mirrored);
    EXPECT_EQ(first.lastSpawnTick, 5000u);
    EXPECT_TRUE(first.figures.empty());
    EXPECT_TRUE(first.hasOwnAnimation);
    EXPECT_EQ(first.ownAnimation.frameCount(), 3);
    EXPECT_EQ(first.deathAnimation, &first.ownAnimation);

    struct Expect {
        std::int32_t id, index;
        bool mirrored, hasOwn;
        const SpriteAnimation* death;
    };
    const Expect expected[] = {
        {4, -1, true, false, nullptr},
        {5, 2, false, false, &world_.typeAt(2)->ownAnimation},
        {9, 7, true, true, nullptr},
        {6, 2, false, false, &world_.typeAt(2)->ownAnimation},
    };
    for (std::int32_t i = 1; i < 5; ++i) {
        const FigureType& t = *world_.typeAt(i);
        const Expect& e = expected[i - 1];
        EXPECT_EQ(t.id, e.id) << i;
        EXPECT_EQ(t.baseY, e.id * 100 - 3) << i;
        EXPECT_EQ(t.deathAnimationIndex, e.index) << i;
        EXPECT_EQ(t.mirrored, e.mirrored) << i;
        EXPECT_EQ(t.hasOwnAnimation, e.hasOwn) << i;
        EXPECT_EQ(t.deathAnimation, e.death) << i;
    }
    EXPECT_EQ(world_.typeAt(4)->deathAnimation->totalDuration(), 0) << "an empty death animation";
    EXPECT_EQ(world_.typeAt(-1), nullptr);
    EXPECT_EQ(world_.typeAt(5), nullptr);

    // The first look with an id wins; mirrored frames only where a mirrored type uses the look.
    ASSERT_NE(world_.findAnimation(0), nullptr);
    EXPECT_EQ(world_.findAnimation(0)->animation.totalDuration(), 675);
    EXPECT_FALSE(world_.findAnimation(0)->animation.isMirroredBuilt());
    ASSERT_NE(world_.findAnimation(4), nullptr);
    EXPECT_TRUE(world_.findAnimation(4)->animation.isMirroredBuilt());
    EXPECT_NE(world_.findAnimation(4)->animation.mirroredFrame(1), nullptr);
    EXPECT_EQ(world_.findAnimation(9), nullptr);
}

TEST_F(FigureWorldTest, EmptyWorldLoadsAndLoadingStartsOver) {
    ASSERT_TRUE(load(concat({record("F1", u32le(0)), record("F4", u32le(0))})));
    EXPECT_EQ(world_.typeCount(), 0);
    ASSERT_TRUE(load(smallWorld()));
    ASSERT_TRUE(load(smallWorld()));
    EXPECT_EQ(world_.typeCount(), 5);
    EXPECT_EQ(world_.animationCount(), 4);

    world_.effects().push_back(HitEffect{1, 2, 3, &world_.typeAt(0)->ownAnimation, 0});
    world_.popups().push_back(ScorePopup{});
    world_.clear();
    EXPECT_EQ(world_.typeCount(), 0);
    EXPECT_EQ(world_.animationCount(), 0);
    EXPECT_EQ(world_.declaredTypeCount(), 0);
    EXPECT_TRUE(world_.effects().empty()) << "effects point into the types";
    EXPECT_EQ(world_.popups().size(), 1u);
}

TEST_F(FigureWorldTest, DamagedFilesFailCleanly) {
    const Bytes f3 = parameterRecord(params(3));
    const Bytes shortF3 = record("F3", Bytes(44, 0));
    const Bytes noLooks = record("F4", u32le(0));
    struct Case {
        const char* what;
        Bytes data;
        std::int32_t typesKept;
    };
    const Case cases[] = {
        {"empty entry", Bytes{}, 0},
        {"first record is not F1", concat({record("F4", u32le(0)), noLooks}), 0},
        {"F1 without its count", concat({record("F1", Bytes{1, 0}), f3, noLooks}), 0},
        {"four billion types", concat({record("F1", u32le(0xFFFFFFFF)), f3, noLooks}), 0},
        {"more types than the entry can hold", concat({record("F1", u32le(3)), f3, noLooks}), 0},
        {"type block without F3", concat({record("F1", u32le(1)), record("SD", Bytes(60, 1)), noLooks}), 1},
        {"more types than blocks", concat({record("F1", u32le(2)), f3, record("SD", Bytes(60, 1)), noLooks}), 2},
        {"F3 one byte short", concat({record("F1", u32le(1)), shortF3, noLooks}), 1},
        {"EX too short", concat({record("F1", u32le(1)), record("EX", u32le(0)), f3, noLooks}), 1},
        {"own animation with frame count 0",
         concat({record("F1", u32le(1)), deathRecord(0, 1), record("FC", u32le(0)), record("TI"), f3, noLooks}), 1},
        {"no F4", concat({record("F1", u32le(1)), f3}), 1},
        {"F4 is another record", concat({record("F1", u32le(1)), f3, record("F6", u32le(0))}), 1},
        {"four billion looks", concat({record("F1", u32le(1)), f3, record("F4", u32le(0xFFFFFFFF)), lookBlock(3, {9})}),
         1},
        {"look without F6", concat({record("F1", u32le(1)), f3, record("F4", u32le(1)), animationBlock({9})}), 1},
        {"look closed by another record",
         concat({record("F1", u32le(1)), f3, record("F4", u32le(1)), animationBlock({9}), record("F7", u32le(3))}), 1},
        {"more looks than blocks", concat({record("F1", u32le(1)), f3, record("F4", u32le(2)), lookBlock(3, {9})}), 1},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(load(c.data)) << c.what;
        EXPECT_EQ(world_.typeCount(), c.typesKept) << c.what;
    }
    EXPECT_FALSE(world_.load(nullptr, device_.get()));
    Entry entry(smallWorld());
    EXPECT_FALSE(world_.load(entry.stream(), nullptr));
}

}  // namespace
