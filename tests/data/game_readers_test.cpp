// The packed executable read the way the game reads it: the locator checks
// the ELF image, the archive reader finds the ZIP behind it, and the image
// reader decodes the pictures into surfaces.
#include <gtest/gtest.h>

#include <memory>

#include "archive/archive.h"
#include "archive/archive_locator.h"
#include "archive/archive_stream.h"
#include "archive/image_records.h"
#include "display/surface.h"
#include "fakes/headless_video.h"
#include "world/figure_world.h"
#include "world/parallax_background.h"

namespace {

class GameReaders : public ::testing::Test {
protected:
    void SetUp() override {
        device_ = video_.createDevice();
        ASSERT_NE(device_, nullptr);
        ASSERT_NE(locator_.open(SHOOTER_PACKED), nullptr) << "the executable image is not recognised";
        stream_ = archive_.openArchive(locator_.handOver());
        ASSERT_NE(stream_, nullptr) << "no archive behind the image";
    }
    void TearDown() override { archive_.release(std::move(stream_)); }

    HeadlessVideo video_;
    std::unique_ptr<platform::VideoDevice> device_;
    ArchiveLocator locator_;
    Archive archive_;
    std::unique_ptr<ArchiveStream> stream_;
};

}  // namespace

TEST_F(GameReaders, SingleImageFilesDecodeIntoSurfacesOfTheirSize) {
    const struct {
        const char* entry;
        int width, height;
    } files[] = {{"cur.nl", 30, 30}, {"Muni.nl", 25, 25}, {"font.nl", 327, 236}, {"fonts.nl", 208, 130}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.entry);
        ASSERT_TRUE(stream_->openEntry(f.entry));
        Surface surface;
        ASSERT_TRUE(readImage(stream_.get(), &surface, device_.get()));
        EXPECT_EQ(surface.width(), f.width);
        EXPECT_EQ(surface.height(), f.height);
        EXPECT_FALSE(surface.isOpaqueAt(0, 0)) << "the corner is masked out";
        stream_->closeEntry();
    }
    ASSERT_TRUE(stream_->openEntry("cur.nl"));
    Surface crosshair;
    ASSERT_TRUE(readImage(stream_.get(), &crosshair, device_.get()));
    EXPECT_TRUE(crosshair.isOpaqueAt(15, 15)) << "the crosshair has a solid centre";
}

TEST_F(GameReaders, BackgroundLayersAndScreenPictures) {
    ASSERT_TRUE(stream_->openEntry("back.nb"));
    const int widths[5] = {2500, 2350, 2000, 1800, 1200};
    for (int layer = 0; layer < 5; ++layer) {
        SCOPED_TRACE(layer);
        Surface surface;
        ASSERT_TRUE(readImage(stream_.get(), &surface, device_.get()));
        EXPECT_EQ(surface.width(), widths[layer]);
        EXPECT_EQ(surface.height(), 480);
        EXPECT_EQ(surface.isOpaqueAt(300, 20), layer == 0) << "only the sky layer is solid at the top";
        EXPECT_TRUE(surface.isOpaqueAt(300, 475)) << "every layer has ground at the bottom";
    }
    stream_->closeEntry();

    ASSERT_TRUE(stream_->openEntry("stuff.x"));
    char tag[2];
    const char* expected[] = {"ST", "SH", "SE"};
    const int heights[] = {498, 480, 480};
    int screens = 0;
    while (screens < 3 && stream_->beginRecord(tag)) {
        if (tagEquals(tag, expected[screens])) {
            ASSERT_TRUE(stream_->endRecord());
            Surface picture;
            ASSERT_TRUE(readImagePair(stream_.get(), &picture, device_.get()));
            EXPECT_EQ(picture.width(), 640);
            EXPECT_EQ(picture.height(), heights[screens]);
            ++screens;
        }
        ASSERT_TRUE(stream_->endRecord());
    }
    EXPECT_EQ(screens, 3);
}

TEST_F(GameReaders, WorldAndLandscapeLoadFromTheShippedFiles) {
    ASSERT_TRUE(stream_->openEntry("back.nb"));
    ParallaxBackground background;
    ASSERT_TRUE(background.load(stream_.get(), device_.get()));
    EXPECT_EQ(background.layerCount(), 5);
    EXPECT_EQ(background.widestLayerWidth(), 2500);
    stream_->closeEntry();

    ASSERT_TRUE(stream_->openEntry("figur.xx"));
    FigureWorld world;
    ASSERT_TRUE(world.load(stream_.get(), device_.get()));
    ASSERT_EQ(world.typeCount(), 15);
    EXPECT_EQ(world.animationCount(), 15);
    // Loop times of the looks, in list order of the types.
    const int loops[15] = {675, 1350, 850, 38250, 2600, 350, 1200, 525, 1225, 1400, 1000, 875, 2250, 2075, 2550};
    for (int pos = 0; pos < 15; ++pos) {
        SCOPED_TRACE(pos);
        FigureType* type = world.typeAt(pos);
        ASSERT_NE(type, nullptr);
        FigureAnimation* look = world.findAnimation(type->id);
        ASSERT_NE(look, nullptr) << "every type has its look";
        EXPECT_EQ(look->animation.totalDuration(), loops[pos]);
        const bool dies = pos != 3 && pos != 12;
        EXPECT_EQ(type->deathAnimation != nullptr, dies);
        if (dies) {
            EXPECT_EQ(type->deathAnimation, &type->ownAnimation);
            EXPECT_GT(type->deathAnimation->totalDuration(), 0);
        }
    }
}
