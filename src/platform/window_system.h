#pragma once

#include <cstdint>
#include <string>

#include "platform/messages.h"

namespace platform {

using WindowProcedure = MessageResult (*)(WindowHandle, std::uint32_t, WParam, LParam);

// The windows and the message queue of the one game thread: what the shell
// needs of a desktop window system. The default processing (defWindowProc)
// follows the classic rules: WM_CLOSE destroys the window, which sends
// WM_DESTROY to the window procedure first; SC_MAXIMIZE / SC_RESTORE change
// the window; moving the window asks WM_GETMINMAXINFO for its tracking limits
// (equal limits make the frame non-resizable).
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    virtual bool registerClass(const std::string& className, WindowProcedure procedure) = 0;
    // Creates the window hidden, with the given styles. 0 on failure.
    virtual WindowHandle createWindow(const std::string& className, const std::string& title,
                                      std::uint32_t style, std::uint32_t exStyle) = 0;
    // Sends WM_DESTROY, then destroys the window.
    virtual void destroyWindow(WindowHandle window) = 0;
    // Shows the window and activates it (WM_ACTIVATE is sent).
    virtual void showWindow(WindowHandle window) = 0;
    virtual void updateWindow(WindowHandle window) = 0;
    // Moves the window and sets its outer size (clamped by WM_GETMINMAXINFO).
    virtual void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height) = 0;
    virtual Rect windowRect(WindowHandle window) = 0;
    // The client area the game draws into, origin (0, 0).
    virtual Rect clientRect(WindowHandle window) = 0;
    virtual void setStyle(WindowHandle window, std::uint32_t style) = 0;
    virtual void setExStyle(WindowHandle window, std::uint32_t exStyle) = 0;
    virtual std::uint32_t style(WindowHandle window) = 0;
    // Takes the window out of the top-most band and lets the frame redraw.
    virtual void dropTopmost(WindowHandle window) = 0;
    virtual bool isMinimised(WindowHandle window) = 0;
    virtual std::int32_t systemMetric(SystemMetric metric) = 0;

    // The display counter of the system cursor: +1 / -1, cursor visible at >= 0.
    // Returns the new count.
    virtual std::int32_t showCursor(bool show) = 0;

    virtual void postMessage(WindowHandle window, std::uint32_t id, WParam wParam, LParam lParam) = 0;
    virtual void postQuitMessage(std::int32_t exitCode) = 0;
    // Calls the window procedure at once.
    virtual MessageResult sendMessage(WindowHandle window, std::uint32_t id, WParam wParam,
                                      LParam lParam) = 0;
    // True when a message waits; does not remove it.
    virtual bool peekMessage() = 0;
    // Removes the next message, waiting for one. False when it is WM_QUIT.
    virtual bool getMessage(Message& message) = 0;
    // Blocks until a message waits.
    virtual void waitMessage() = 0;
    virtual void translateMessage(const Message& message) = 0;
    virtual MessageResult dispatchMessage(const Message& message) = 0;
    virtual MessageResult defWindowProc(WindowHandle window, std::uint32_t id, WParam wParam,
                                        LParam lParam) = 0;
};

}  // namespace platform
