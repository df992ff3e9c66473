#pragma once

#include <SDL.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/sdl/sdl_event_translator.h"
#include "platform/window_system.h"

namespace platform {

// The window system on SDL2: one game window, a message queue fed from SDL's
// events, and the default processing of the messages the game leaves alone.
// The game sees a client area of the picture size; the real window shows it
// scaled by a whole factor (framed) or fills the desktop (full screen), and the
// desktop's video mode is never changed.
class SdlWindowSystem final : public WindowSystem {
public:
    SdlWindowSystem();
    ~SdlWindowSystem() override;
    SdlWindowSystem(const SdlWindowSystem&) = delete;
    SdlWindowSystem& operator=(const SdlWindowSystem&) = delete;

    // The SDL window behind a handle, for the video backend; null when gone.
    SDL_Window* sdlWindow(WindowHandle window) const;

    bool registerClass(const std::string& className, WindowProcedure procedure) override;
    WindowHandle createWindow(const std::string& className, const std::string& title,
                              std::uint32_t style, std::uint32_t exStyle) override;
    void destroyWindow(WindowHandle window) override;
    void showWindow(WindowHandle window) override;
    void updateWindow(WindowHandle window) override;
    void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height) override;
    Rect windowRect(WindowHandle window) override;
    Rect clientRect(WindowHandle window) override;
    void setStyle(WindowHandle window, std::uint32_t style) override;
    void setExStyle(WindowHandle window, std::uint32_t exStyle) override;
    std::uint32_t style(WindowHandle window) override;
    void dropTopmost(WindowHandle window) override;
    bool isMinimised(WindowHandle window) override;
    std::int32_t systemMetric(SystemMetric metric) override;
    std::int32_t showCursor(bool show) override;
    void postMessage(WindowHandle window, std::uint32_t id, WParam wParam, LParam lParam) override;
    void postQuitMessage(std::int32_t exitCode) override;
    MessageResult sendMessage(WindowHandle window, std::uint32_t id, WParam wParam, LParam lParam) override;
    bool peekMessage() override;
    bool getMessage(Message& message) override;
    void waitMessage() override;
    void translateMessage(const Message& message) override;
    MessageResult dispatchMessage(const Message& message) override;
    MessageResult defWindowProc(WindowHandle window, std::uint32_t id, WParam wParam, LParam lParam) override;

private:
    struct Window {
        SDL_Window* sdl = nullptr;
        WindowProcedure procedure = nullptr;
        std::uint32_t style = 0;
        std::uint32_t exStyle = 0;
        SdlWindowState state;
        bool resizable = true;
        bool popupPlaced = false;  // full screen; framedX/Y hold the framed window's place
        int framedX = 0;
        int framedY = 0;
    };

    Window* find(WindowHandle window);
    const Window* find(WindowHandle window) const;
    void pump();
    void enqueue(const SDL_Event& event);
    void applyMode(Window& w);
    void refreshSize(Window& w);

    bool videoStarted_ = false;
    std::map<std::string, WindowProcedure> classes_;
    std::map<WindowHandle, Window> windows_;
    WindowHandle nextHandle_ = 1;
    std::deque<Message> queue_;
    bool quitPosted_ = false;
    std::int32_t quitCode_ = 0;
    std::int32_t cursorCount_ = 0;
    std::vector<Message> translated_;
};

}  // namespace platform
