#include "fakes/scripted_window_system.h"

#include <algorithm>

using namespace platform;

void ScriptedWindowSystem::script(std::uint32_t id, WParam wParam, LParam lParam) {
    script_.push_back(Message{window ? window : 1, id, wParam, lParam});
}

bool ScriptedWindowSystem::registerClass(const std::string& className, WindowProcedure procedure) {
    className_ = className;
    procedure_ = procedure;
    return procedure != nullptr;
}

WindowHandle ScriptedWindowSystem::createWindow(const std::string& className, const std::string&,
                                                std::uint32_t style, std::uint32_t ex) {
    if (failCreate || className != className_) return 0;
    window = 1;
    windowAlive = true;
    style_ = style;
    exStyle = ex;
    return window;
}

void ScriptedWindowSystem::destroyWindow(WindowHandle w) {
    if (!windowAlive || w != window) return;
    sendMessage(w, WM_DESTROY, 0, 0);
    windowAlive = false;
}

void ScriptedWindowSystem::showWindow(WindowHandle w) { sendMessage(w, WM_ACTIVATE, activateParam(WA_ACTIVE, false), 0); }

void ScriptedWindowSystem::moveWindow(WindowHandle w, std::int32_t, std::int32_t, std::int32_t width,
                                      std::int32_t height) {
    MinMaxInfo limits;
    sendMessage(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LParam>(&limits));
    lastLimits = limits;
    outerWidth = std::clamp(width, limits.minTrackWidth, limits.maxTrackWidth);
    outerHeight = std::clamp(height, limits.minTrackHeight, limits.maxTrackHeight);
}

Rect ScriptedWindowSystem::windowRect(WindowHandle) { return Rect{10, 20, 10 + outerWidth, 20 + outerHeight}; }

Rect ScriptedWindowSystem::clientRect(WindowHandle) {
    if (onClientRect) onClientRect();
    if (minimised) return Rect{};
    return Rect{0, 0, 640, 480};
}

void ScriptedWindowSystem::setStyle(WindowHandle, std::uint32_t style) { style_ = style; }
void ScriptedWindowSystem::setExStyle(WindowHandle, std::uint32_t ex) { exStyle = ex; }

std::int32_t ScriptedWindowSystem::systemMetric(SystemMetric metric) {
    switch (metric) {
        case SystemMetric::FrameWidth: return frameWidth;
        case SystemMetric::FrameHeight: return frameHeight;
        case SystemMetric::CaptionHeight: return captionHeight;
    }
    return 0;
}

std::int32_t ScriptedWindowSystem::showCursor(bool show) {
    cursorCalls.push_back(show ? 1 : -1);
    cursorCount += show ? 1 : -1;
    return cursorCount;
}

void ScriptedWindowSystem::postMessage(WindowHandle w, std::uint32_t id, WParam wParam, LParam lParam) {
    posted.push_back(Message{w, id, wParam, lParam});
    queue_.push_back(Message{w, id, wParam, lParam});
}

void ScriptedWindowSystem::postQuitMessage(std::int32_t exitCode) {
    quitPosted = true;
    quitCode = exitCode;
}

MessageResult ScriptedWindowSystem::sendMessage(WindowHandle w, std::uint32_t id, WParam wParam, LParam lParam) {
    if (!windowAlive || procedure_ == nullptr || w != window) return 0;
    return procedure_(w, id, wParam, lParam);
}

bool ScriptedWindowSystem::peekMessage() {
    if (queue_.empty() && !script_.empty() && !quitPosted) {
        queue_.push_back(script_.front());
        script_.pop_front();
    }
    if (queue_.empty() && !quitPosted && windowAlive && ++emptyPeeks_ >= emptyPeeksBeforeClose) {
        emptyPeeks_ = 0;
        postMessage(window, WM_CLOSE, 0, 0);  // a running loop with nothing left to do ends
    }
    return !queue_.empty() || quitPosted;
}

bool ScriptedWindowSystem::getMessage(Message& message) {
    if (!queue_.empty()) {
        message = queue_.front();
        queue_.pop_front();
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        message = Message{0, WM_QUIT, static_cast<WParam>(quitCode), 0};
        return false;
    }
    waitMessage();
    return getMessage(message);
}

void ScriptedWindowSystem::waitMessage() {
    ++waits;
    if (peekMessage()) return;
    if (onIdle) onIdle();
    if (!peekMessage()) postMessage(window, WM_CLOSE, 0, 0);
}

MessageResult ScriptedWindowSystem::dispatchMessage(const Message& message) {
    return sendMessage(message.window, message.id, message.wParam, message.lParam);
}

MessageResult ScriptedWindowSystem::defWindowProc(WindowHandle w, std::uint32_t id, WParam wParam, LParam lParam) {
    defaulted.push_back(Message{w, id, wParam, lParam});
    if (id == WM_CLOSE) destroyWindow(w);
    return 0;
}
