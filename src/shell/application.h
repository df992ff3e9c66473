#pragma once

#include <cstdint>
#include <string>

#include "platform/messages.h"

namespace platform {
class WindowSystem;
}
class Game;
class SoundDevice;

// The process around the game: the window, its messages, the loop that runs
// frames when the queue is empty, and the switch between the framed window
// and full screen.
class Application {
public:
    static constexpr const char* kClassName = "MainWClass";
    static constexpr const char* kTitle = "Shooter";

    Application(Game& game, SoundDevice& soundDevice, platform::WindowSystem& windows);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The entry: command line, window class, window, loading, message loop.
    // Returns the exit code.
    int winMain(const std::string& commandLine);
    bool registerWindowClass();
    bool createMainWindow();
    int messageLoop();
    platform::MessageResult windowProcedure(platform::WindowHandle window, std::uint32_t message,
                                            platform::WParam wParam, platform::LParam lParam);
    void switchToFullscreen();
    void switchToWindowed();

    bool cursorHidden() const { return cursorHidden_; }

private:
    static platform::MessageResult dispatchToCurrent(platform::WindowHandle window, std::uint32_t message,
                                                     platform::WParam wParam, platform::LParam lParam);
    void reloadForMode(bool fullscreen);

    static Application* current_;
    Game& game_;
    SoundDevice& soundDevice_;
    platform::WindowSystem& windows_;
    bool cursorHidden_ = false;
};
