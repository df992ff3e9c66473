#include "display/display.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "display/surface.h"
#include "fakes/headless_video.h"
#include "platform/message_box.h"
#include "platform/sdl/sdl_video_system.h"

namespace {

using Availability = platform::VideoSystem::Availability;
constexpr platform::WindowHandle kWindow = 7;
const platform::Rect kClient{0, 0, 640, 480};

class BoxCapture {
public:
    BoxCapture() {
        platform::setMessageBoxSink([this](const std::string& caption, const std::string& text) {
            boxes.push_back({caption, text});
        });
    }
    ~BoxCapture() { platform::setMessageBoxSink({}); }
    std::vector<std::pair<std::string, std::string>> boxes;
};

TEST(DisplayLibrary, MissingOrOldVideoLibraryIsToldOnceAndCreateFails) {
    struct Case {
        Availability availability;
        const char* start;
    };
    const Case cases[] = {{Availability::Missing, "DirectX ist nicht auf diesem Computer installiert. F\xFCr"},
                          {Availability::Outdated, "Eine \xE4ltere Version von DirectX ist auf"}};
    for (const Case& c : cases) {
        BoxCapture capture;
        HeadlessVideo video(platform::kFormat565, c.availability);
        Display display(&video);
        EXPECT_FALSE(display.create(kWindow, false, 640, 480));
        display.fitBackBuffer(kClient);
        display.present();
        EXPECT_EQ(display.backBuffer(), nullptr);
        ASSERT_EQ(capture.boxes.size(), 1u);
        EXPECT_EQ(capture.boxes[0].first, "Fehler");
        EXPECT_EQ(capture.boxes[0].second.rfind(c.start, 0), 0u) << capture.boxes[0].second;
        EXPECT_NE(capture.boxes[0].second.find("\nwird eine DirectX Version ab 7.0 ben\xF6tigt."), std::string::npos);
        EXPECT_EQ(video.devicesCreated(), 0);
    }
}

TEST(DisplayLibrary, SdlVideoThatCannotStartCountsAsMissing) {
    const char* old = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = old ? old : "";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    BoxCapture capture;
    {
        platform::SdlVideoSystem video([](platform::WindowHandle) { return nullptr; });
        EXPECT_EQ(video.availability(), Availability::Missing);
        Display display(&video);
        EXPECT_FALSE(display.create(kWindow, false, 640, 480));
    }
    if (old) setenv("SDL_VIDEODRIVER", saved.c_str(), 1); else unsetenv("SDL_VIDEODRIVER");
    ASSERT_EQ(capture.boxes.size(), 1u);
    EXPECT_EQ(capture.boxes[0].first, "Fehler");
}

TEST(DisplayWindowed, BackBufferFollowsTheClientArea) {
    HeadlessVideo video;
    Display display(&video);
    ASSERT_TRUE(display.create(kWindow, false, 640, 480));
    EXPECT_EQ(display.backBuffer(), nullptr);  // made by the first fit
    display.fitBackBuffer(kClient);
    platform::VideoSurface* first = display.backBuffer();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width(), 640);
    EXPECT_EQ(first->height(), 480);
    display.fitBackBuffer(kClient);
    EXPECT_EQ(display.backBuffer(), first);

    display.fitBackBuffer(platform::Rect{0, 0, 0, 0});  // minimised
    EXPECT_EQ(display.backBuffer(), nullptr);
    display.present();
    display.fitBackBuffer(platform::Rect{0, 0, -5, 10});
    EXPECT_EQ(display.backBuffer(), nullptr);
}

TEST(DisplayWindowed, PresentCopiesTheFrameAndCopyToAllBuffersDoesNothing) {
    HeadlessVideo video;
    Display display(&video);
    ASSERT_TRUE(display.create(kWindow, false, 640, 480));
    display.fitBackBuffer(kClient);
    Surface::fillGrey(display.backBuffer(), &kClient);
    ASSERT_NE(video.screen(), nullptr);
    display.copyToAllBuffers();
    EXPECT_EQ(pixelAt(*video.screen(), 639, 479), 0u);
    display.present();
    EXPECT_EQ(pixelAt(*video.screen(), 639, 479), 0x7BEFu);
    display.release(true);
    EXPECT_EQ(video.modeRestores(), 0);
    EXPECT_EQ(display.directDraw(), nullptr);
}

TEST(DisplayFullscreen, FlipChainAndCopyToAllBuffers) {
    HeadlessVideo video;
    Display display(&video);
    ASSERT_TRUE(display.create(kWindow, true, 640, 480));
    platform::VideoSurface* back = display.backBuffer();
    ASSERT_NE(back, nullptr);
    display.fitBackBuffer(platform::Rect{0, 0, 100, 100});  // windowed only
    EXPECT_EQ(display.backBuffer(), back);

    Surface::fillGrey(back, &kClient);
    display.present();  // a flip: the grey frame is shown, the old one is behind
    EXPECT_EQ(pixelAt(*video.screen(), 5, 5), 0x7BEFu);
    EXPECT_EQ(pixelAt(*back, 5, 5), 0u);

    Surface::fillGrey(back, &kClient);
    display.copyToAllBuffers();
    EXPECT_EQ(pixelAt(*video.screen(), 5, 5), 0x7BEFu);
    EXPECT_EQ(pixelAt(*back, 5, 5), 0x7BEFu);

    display.release(false);
    EXPECT_EQ(video.modeRestores(), 0);
    ASSERT_TRUE(display.create(kWindow, true, 640, 480));
    display.release(true);
    EXPECT_EQ(video.modeRestores(), 1);
}

TEST(DisplayCreate, FailuresReleaseEverything) {
    HeadlessVideo video;
    Display display(&video);
    video.failDeviceCreation(true);
    EXPECT_FALSE(display.create(kWindow, false, 640, 480));
    EXPECT_EQ(display.directDraw(), nullptr);
    video.failDeviceCreation(false);
    EXPECT_FALSE(display.create(0, false, 640, 480));  // no window
    EXPECT_EQ(display.directDraw(), nullptr);
    EXPECT_FALSE(display.create(kWindow, true, 640, 0));  // no such mode
    EXPECT_EQ(display.directDraw(), nullptr);
    EXPECT_EQ(display.backBuffer(), nullptr);
    EXPECT_TRUE(display.create(kWindow, true, 640, 480));
}

}  // namespace
