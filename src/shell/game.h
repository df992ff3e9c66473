#pragma once

#include <cstdint>

#include "display/display.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "shell/game_screen.h"
#include "shell/game_state.h"
#include "shell/keyboard.h"
#include "world/figure_world.h"
#include "world/parallax_background.h"

// The running game: display, landscape, figures, round, keyboard and state.
class Game {
public:
    static constexpr std::size_t kCommandLineBytes = 1024;

    explicit Game(const platform::Services& services);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The two loading phases: sounds and settings, then everything else.
    bool loadSettings();
    bool loadAssets();
    bool frame();
    void scrollByKeyboard();
    // True when the program is to close.
    bool onEscape();
    void onLeftClick(std::int32_t x, std::int32_t y);
    void onRightClick();
    void onMouseMove(std::int32_t x, std::int32_t y);
    void shutdown(bool restoreDisplayMode);

    platform::WindowSystem* windows() const { return services_.windows; }
    const platform::Services& services() const { return services_; }

    bool fullscreen = false;
    platform::WindowHandle window = 0;
    bool active = false;
    Display display;
    std::int32_t scrollX = 0;
    ParallaxBackground background;
    FigureWorld world;
    GameScreen screen;
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
    char commandLine[kCommandLineBytes] = {};
    Keyboard keyboard;
    std::uint32_t lastScrollTick = 0;
    GameState state = GameState::Unloaded;

private:
    void shoot(std::int32_t x, std::int32_t y);
    // Loading progress: sets the percentage and shows it.
    void progressStep(std::int64_t done, std::int64_t total);
    void drawPlayPicture(platform::VideoSurface* target, platform::Rect* clip);
    void forgetStaleCapture();

    platform::Services services_;
};
