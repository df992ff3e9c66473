// The game's frame in a real window on a virtual X server: the test runs
// itself again under its own `xvfb-run -a`, shows a test picture windowed and
// full screen, photographs the X screen and checks where the picture landed.
// The screenshots stay in the build folder (real_window/) to be looked at.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "display/display.h"
#include "display/surface.h"
#include "platform/clock.h"
#include "platform/sdl/sdl_video_system.h"
#include "platform/sdl/sdl_window_system.h"
#include "platform/viewport.h"

namespace {

const char* const kChildFlag = "SHOOTER_REAL_WINDOW_CHILD";
const std::string kShotDir = std::string(SHOOTER_BINARY_DIR) + "/real_window";

struct Rgb {
    int r, g, b;
};

// The test picture: four quadrants of clear colours; a keyed crosshair goes on top.
Rgb quadrantColour(int x, int y) {
    if (y < 240) return x < 320 ? Rgb{248, 0, 0} : Rgb{0, 252, 0};
    return x < 320 ? Rgb{0, 0, 248} : Rgb{248, 252, 0};
}

void paintQuadrants(Surface& s, platform::VideoDevice* device) {
    ASSERT_TRUE(s.create(640, 480, device));
    ASSERT_TRUE(s.lock());
    std::vector<std::uint8_t> row(640 * 3);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const Rgb c = quadrantColour(x, y);
            row[static_cast<std::size_t>(x) * 3] = static_cast<std::uint8_t>(c.b);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<std::uint8_t>(c.g);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<std::uint8_t>(c.r);
        }
        ASSERT_TRUE(s.writeRow(row.data(), y, true));
    }
    ASSERT_TRUE(s.unlock());
}

void paintCrosshair(Surface& s, platform::VideoDevice* device) {
    ASSERT_TRUE(s.create(30, 30, device));
    ASSERT_TRUE(s.lock());
    std::vector<std::uint8_t> row(30 * 3, 255);
    std::vector<std::uint8_t> mask(30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) mask[static_cast<std::size_t>(x)] = (x / 2 == 7 || y / 2 == 7) ? 0 : 1;
        ASSERT_TRUE(s.writeRow(row.data(), y, true));
        ASSERT_TRUE(s.applyMaskRow(mask.data(), y));
    }
    ASSERT_TRUE(s.unlock());
}

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
    Rgb at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
        return Rgb{rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

bool takeScreenshot(const std::string& name, Screenshot& shot) {
    const std::string path = kShotDir + "/" + name + ".png";
    const std::string command = "/usr/bin/import -window root " + path;
    if (std::system(command.c_str()) != 0) return false;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGB;
    shot.width = static_cast<int>(image.width);
    shot.height = static_cast<int>(image.height);
    shot.rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, shot.rgb.data(), 0, nullptr) != 0;
}

bool near(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) <= 8 && std::abs(a.g - b.g) <= 8 && std::abs(a.b - b.b) <= 8;
}

platform::SdlWindowSystem* windowSystem = nullptr;

platform::MessageResult windowProcedure(platform::WindowHandle window, std::uint32_t id, platform::WParam wParam,
                                        platform::LParam lParam) {
    return windowSystem->defWindowProc(window, id, wParam, lParam);
}

class RealWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv(kChildFlag) == nullptr) return;
        windowSystem = &windows_;
        ASSERT_TRUE(windows_.registerClass("MainWClass", windowProcedure));
        window_ = windows_.createWindow("MainWClass", "Shooter", platform::WS_OVERLAPPEDWINDOW, 0);
        ASSERT_NE(window_, 0u);
        windows_.moveWindow(window_, 0, 0, 640, 480);
        windows_.showWindow(window_);
    }
    void TearDown() override {
        if (window_ != 0) windows_.destroyWindow(window_);
        windowSystem = nullptr;
    }

    // Runs frames for a while: the message queue, the fit, the picture, the
    // crosshair, present, and the game loop's 1 ms sleep.
    void runFrames(Display& display, Surface& picture, Surface& cursor, std::uint32_t milliseconds, int* frames) {
        const std::uint32_t start = platform::tickCount();
        while (platform::tickCount() - start < milliseconds) {
            while (windows_.peekMessage()) {
                platform::Message m;
                if (!windows_.getMessage(m)) break;
                windows_.dispatchMessage(m);
            }
            const platform::Rect client = windows_.clientRect(window_);
            display.fitBackBuffer(client);
            if (platform::VideoSurface* back = display.backBuffer()) {
                Surface::fillGrey(back, &client);
                picture.draw(back, &client, 0, 0, false, 100);
                cursor.draw(back, &client, 305, 225, true, 100);
            }
            display.present();
            if (frames) ++*frames;
            platform::sleepMs(1);
        }
    }

    // The picture must fill the viewport of the window at (wx, wy) of size
    // (ww, wh), with black bars around it.
    void expectPicture(const Screenshot& shot, int wx, int wy, int ww, int wh) {
        const platform::Viewport v = platform::pictureViewport(ww, wh, 640, 480);
        for (const auto& p : {std::pair<int, int>{100, 100}, {500, 100}, {100, 400}, {500, 400}, {10, 470}}) {
            const int sx = wx + v.x + p.first * v.w / 640;
            const int sy = wy + v.y + p.second * v.h / 480;
            if (sx >= shot.width || sy >= shot.height) continue;  // the window may reach past the screen
            const Rgb c = quadrantColour(p.first, p.second);
            EXPECT_TRUE(near(shot.at(sx, sy), c)) << "picture " << p.first << "," << p.second << " at " << sx << ","
                                                  << sy;
        }
        // The crosshair's white bar crosses the middle.
        EXPECT_TRUE(near(shot.at(wx + v.x + 320 * v.w / 640, wy + v.y + 235 * v.h / 480), Rgb{248, 252, 248}));
        if (v.x > 0) {
            EXPECT_TRUE(near(shot.at(wx + v.x / 2, wy + wh / 2), Rgb{0, 0, 0})) << "left bar";
        }
    }

    platform::SdlWindowSystem windows_;
    platform::WindowHandle window_ = 0;
};

// Seconds of processor time this process has used.
double processorSeconds() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) utime = std::stoull(field);
        if (i == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

TEST_F(RealWindow, ShowsTheFrameWindowedAndFullScreen) {
    if (std::getenv(kChildFlag) == nullptr) {
        if (access("/usr/bin/xvfb-run", X_OK) != 0 || access("/usr/bin/import", X_OK) != 0) {
            GTEST_SKIP() << "needs xvfb-run and ImageMagick's import";
        }
        mkdir(kShotDir.c_str(), 0755);
        // X11, Mesa and fontconfig keep memory to the end on purpose.
        const std::string command = std::string(kChildFlag) +
                                    "=1 SDL_VIDEODRIVER=x11 ASAN_OPTIONS=detect_leaks=0 /usr/bin/xvfb-run -a -s "
                                    "'-screen 0 1920x1080x24' /proc/" + std::to_string(getpid()) +
                                    "/exe --gtest_filter='RealWindow.*' > " + kShotDir + "/run.log 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << "see " << kShotDir << "/run.log";
        return;
    }

    platform::SdlVideoSystem video([this](platform::WindowHandle h) { return windows_.sdlWindow(h); });
    Display display(&video);
    Surface picture;
    Surface cursor;

    ASSERT_TRUE(display.create(window_, false, 640, 480));
    paintQuadrants(picture, display.directDraw());
    paintCrosshair(cursor, display.directDraw());
    runFrames(display, picture, cursor, 700, nullptr);
    EXPECT_EQ(windows_.clientRect(window_).right, 640);
    Screenshot windowed;
    ASSERT_TRUE(takeScreenshot("windowed", windowed));
    int wx = 0;
    int wy = 0;
    int ww = 0;
    int wh = 0;
    SDL_GetWindowPosition(windows_.sdlWindow(window_), &wx, &wy);
    SDL_GetWindowSize(windows_.sdlWindow(window_), &ww, &wh);
    std::printf("windowed: window at %d,%d size %dx%d\n", wx, wy, ww, wh);
    EXPECT_EQ(ww, 1280);  // twice the picture on a 1920x1080 desktop
    EXPECT_EQ(wh, 960);
    expectPicture(windowed, wx, wy, ww, wh);

    // Full screen as the game switches: styles first, then a new display.
    picture.destroy();
    cursor.destroy();
    display.release(false);
    windows_.setStyle(window_, platform::WS_POPUP | platform::WS_VISIBLE);
    windows_.moveWindow(window_, 0, 0, 640, 480);
    ASSERT_TRUE(display.create(window_, true, 640, 480));
    paintQuadrants(picture, display.directDraw());
    paintCrosshair(cursor, display.directDraw());
    runFrames(display, picture, cursor, 700, nullptr);
    display.copyToAllBuffers();
    Screenshot full;
    ASSERT_TRUE(takeScreenshot("fullscreen", full));
    SDL_GetWindowPosition(windows_.sdlWindow(window_), &wx, &wy);
    SDL_GetWindowSize(windows_.sdlWindow(window_), &ww, &wh);
    std::printf("full screen: window at %d,%d size %dx%d\n", wx, wy, ww, wh);
    EXPECT_EQ(ww, 1920);
    EXPECT_EQ(wh, 1080);
    expectPicture(full, wx, wy, ww, wh);

    // The title screen's load on the processor, windowed: the figure goes to the log.
    picture.destroy();
    cursor.destroy();
    display.release(false);
    windows_.setStyle(window_, platform::WS_OVERLAPPEDWINDOW);
    windows_.moveWindow(window_, 0, 0, 640, 480);
    ASSERT_TRUE(display.create(window_, false, 640, 480));
    paintQuadrants(picture, display.directDraw());
    paintCrosshair(cursor, display.directDraw());
    const double cpuStart = processorSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    int frames = 0;
    runFrames(display, picture, cursor, 5000, &frames);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("title loop: %d frames in %.2f s (%.1f fps), processor %.1f %% of one core\n", frames, wall,
                frames / wall, 100.0 * (processorSeconds() - cpuStart) / wall);
}

}  // namespace
