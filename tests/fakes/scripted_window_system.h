#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/window_system.h"

// A window system without a screen: messages come from a script, everything
// the game asks of the window is recorded, and the default processing follows
// the same rules as the real one (WM_CLOSE destroys the window and sends
// WM_DESTROY; moving asks WM_GETMINMAXINFO).
class ScriptedWindowSystem final : public platform::WindowSystem {
public:
    // Messages the script delivers, in order, after the posted ones.
    void script(std::uint32_t id, platform::WParam wParam = 0, platform::LParam lParam = 0);
    // Called whenever the queue runs dry while the loop waits for a message;
    // the default ends the script with WM_CLOSE so no test can hang.
    std::function<void()> onIdle;
    // Called whenever the game reads the client area, which it does once per frame.
    std::function<void()> onClientRect;

    bool registerClass(const std::string& className, platform::WindowProcedure procedure) override;
    platform::WindowHandle createWindow(const std::string& className, const std::string& title,
                                        std::uint32_t style, std::uint32_t exStyle) override;
    void destroyWindow(platform::WindowHandle window) override;
    void showWindow(platform::WindowHandle window) override;
    void updateWindow(platform::WindowHandle) override {}
    void moveWindow(platform::WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height) override;
    platform::Rect windowRect(platform::WindowHandle window) override;
    platform::Rect clientRect(platform::WindowHandle window) override;
    void setStyle(platform::WindowHandle window, std::uint32_t style) override;
    void setExStyle(platform::WindowHandle window, std::uint32_t exStyle) override;
    std::uint32_t style(platform::WindowHandle) override { return style_; }
    void dropTopmost(platform::WindowHandle) override { ++dropTopmostCalls; }
    bool isMinimised(platform::WindowHandle) override { return minimised; }
    std::int32_t systemMetric(platform::SystemMetric metric) override;
    std::int32_t showCursor(bool show) override;
    void postMessage(platform::WindowHandle window, std::uint32_t id, platform::WParam wParam,
                     platform::LParam lParam) override;
    void postQuitMessage(std::int32_t exitCode) override;
    platform::MessageResult sendMessage(platform::WindowHandle window, std::uint32_t id, platform::WParam wParam,
                                        platform::LParam lParam) override;
    bool peekMessage() override;
    bool getMessage(platform::Message& message) override;
    void waitMessage() override;
    void translateMessage(const platform::Message&) override {}
    platform::MessageResult dispatchMessage(const platform::Message& message) override;
    platform::MessageResult defWindowProc(platform::WindowHandle window, std::uint32_t id, platform::WParam wParam,
                                          platform::LParam lParam) override;

    // What happened.
    platform::WindowHandle window = 0;
    bool windowAlive = false;
    bool failCreate = false;
    bool minimised = false;
    std::vector<platform::Message> posted;      // every postMessage, in order
    std::vector<platform::Message> defaulted;   // every message that reached defWindowProc
    std::vector<std::int32_t> cursorCalls;      // +1 / -1 per showCursor
    std::int32_t cursorCount = 0;
    std::int32_t frameWidth = 4;
    std::int32_t frameHeight = 4;
    std::int32_t captionHeight = 23;
    std::int32_t outerWidth = 0;   // the size moveWindow ended with
    std::int32_t outerHeight = 0;
    platform::MinMaxInfo lastLimits;
    std::uint32_t exStyle = 0;
    int dropTopmostCalls = 0;
    int waits = 0;
    int emptyPeeksBeforeClose = 1000;  // idle frames the loop may run before the script ends it
    bool quitPosted = false;
    std::int32_t quitCode = 0;

private:
    std::uint32_t style_ = 0;
    platform::WindowProcedure procedure_ = nullptr;
    std::string className_;
    std::deque<platform::Message> queue_;
    std::deque<platform::Message> script_;
    int emptyPeeks_ = 0;
};
