#include "platform/sdl/sdl_window_system.h"

#include <algorithm>

#include "platform/viewport.h"

namespace platform {
namespace {

constexpr int kDefaultClientW = 640;
constexpr int kDefaultClientH = 480;

bool isPopup(std::uint32_t style) { return (style & WS_POPUP) != 0; }

}  // namespace

SdlWindowSystem::SdlWindowSystem() {
    // A windowed game: keep the compositor, do not hide when another window
    // takes the focus, and tell the desktop who we are.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_APP_NAME, "Shooter");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
}

SdlWindowSystem::~SdlWindowSystem() {
    for (auto& entry : windows_) {
        if (entry.second.sdl) SDL_DestroyWindow(entry.second.sdl);
    }
    windows_.clear();
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

SDL_Window* SdlWindowSystem::sdlWindow(WindowHandle window) const {
    const Window* w = find(window);
    return w ? w->sdl : nullptr;
}

SdlWindowSystem::Window* SdlWindowSystem::find(WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

const SdlWindowSystem::Window* SdlWindowSystem::find(WindowHandle window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

bool SdlWindowSystem::registerClass(const std::string& className, WindowProcedure procedure) {
    if (className.empty() || procedure == nullptr || classes_.count(className) != 0) return false;
    classes_[className] = procedure;
    return true;
}

WindowHandle SdlWindowSystem::createWindow(const std::string& className, const std::string& title,
                                           std::uint32_t style, std::uint32_t exStyle) {
    auto cls = classes_.find(className);
    if (cls == classes_.end()) return 0;
    if (!videoStarted_) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return 0;
        videoStarted_ = true;
    }
    // Made ready for OpenGL from the start: a renderer that needs it would
    // otherwise re-create the window and drop its placement.
    SDL_Window* sdl = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                       kDefaultClientW, kDefaultClientH, SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
    if (sdl == nullptr) {
        sdl = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kDefaultClientW,
                               kDefaultClientH, SDL_WINDOW_HIDDEN);
    }
    if (sdl == nullptr) return 0;
    const WindowHandle handle = nextHandle_++;
    Window& w = windows_[handle];
    w.sdl = sdl;
    w.procedure = cls->second;
    w.style = style;
    w.exStyle = exStyle;
    w.state.handle = handle;
    w.state.sdlWindowId = SDL_GetWindowID(sdl);
    w.state.clientW = kDefaultClientW;
    w.state.clientH = kDefaultClientH;
    w.state.popupStyle = isPopup(style);
    applyMode(w);
    return handle;
}

void SdlWindowSystem::destroyWindow(WindowHandle window) {
    Window* w = find(window);
    if (w == nullptr || w->procedure == nullptr) return;
    sendMessage(window, WM_DESTROY, 0, 0);
    w = find(window);
    if (w == nullptr) return;
    w->procedure = nullptr;  // no messages reach a window that is going away
    if (w->sdl) SDL_DestroyWindow(w->sdl);
    windows_.erase(window);
}

void SdlWindowSystem::showWindow(WindowHandle window) {
    Window* w = find(window);
    if (w == nullptr) return;
    SDL_ShowWindow(w->sdl);
    refreshSize(*w);
    SDL_RaiseWindow(w->sdl);
    SDL_StartTextInput();
    sendMessage(window, WM_ACTIVATE, activateParam(WA_ACTIVE, false), 0);
}

void SdlWindowSystem::updateWindow(WindowHandle) {}

void SdlWindowSystem::moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height) {
    Window* w = find(window);
    if (w == nullptr) return;
    MinMaxInfo limits;
    sendMessage(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LParam>(&limits));
    w = find(window);
    if (w == nullptr) return;
    width = std::clamp(width, limits.minTrackWidth, std::max(limits.minTrackWidth, limits.maxTrackWidth));
    height = std::clamp(height, limits.minTrackHeight, std::max(limits.minTrackHeight, limits.maxTrackHeight));
    // The frame is drawn by the desktop outside the client area, so the outer
    // size the game asks for is the picture size.
    w->state.clientW = std::max(0, width);
    w->state.clientH = std::max(0, height);
    w->resizable = !(limits.minTrackWidth == limits.maxTrackWidth && limits.minTrackHeight == limits.maxTrackHeight);
    if (!isPopup(w->style)) SDL_SetWindowPosition(w->sdl, x, y);
    applyMode(*w);
}

Rect SdlWindowSystem::windowRect(WindowHandle window) {
    Rect r;
    Window* w = find(window);
    if (w == nullptr) return r;
    SDL_GetWindowPosition(w->sdl, &r.left, &r.top);
    r.right = r.left + w->state.clientW;
    r.bottom = r.top + w->state.clientH;
    return r;
}

Rect SdlWindowSystem::clientRect(WindowHandle window) {
    Rect r;
    Window* w = find(window);
    if (w == nullptr || w->state.minimised) return r;  // a minimised window has no client area
    r.right = w->state.clientW;
    r.bottom = w->state.clientH;
    return r;
}

void SdlWindowSystem::setStyle(WindowHandle window, std::uint32_t style) {
    Window* w = find(window);
    if (w == nullptr) return;
    const bool modeChanges = isPopup(style) != isPopup(w->style);
    w->style = style;
    w->state.popupStyle = isPopup(style);
    if (modeChanges) applyMode(*w);
}

void SdlWindowSystem::setExStyle(WindowHandle window, std::uint32_t exStyle) {
    Window* w = find(window);
    if (w == nullptr) return;
    w->exStyle = exStyle;
    SDL_SetWindowAlwaysOnTop(w->sdl, (exStyle & WS_EX_TOPMOST) ? SDL_TRUE : SDL_FALSE);
}

std::uint32_t SdlWindowSystem::style(WindowHandle window) {
    Window* w = find(window);
    return w ? w->style : 0;
}

void SdlWindowSystem::dropTopmost(WindowHandle window) {
    Window* w = find(window);
    if (w) SDL_SetWindowAlwaysOnTop(w->sdl, SDL_FALSE);
}

bool SdlWindowSystem::isMinimised(WindowHandle window) {
    Window* w = find(window);
    return w != nullptr && w->state.minimised;
}

std::int32_t SdlWindowSystem::systemMetric(SystemMetric) {
    return 0;  // the desktop draws frame and caption outside our client area
}

std::int32_t SdlWindowSystem::showCursor(bool show) {
    cursorCount_ += show ? 1 : -1;
    if (videoStarted_) SDL_ShowCursor(cursorCount_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return cursorCount_;
}

void SdlWindowSystem::postMessage(WindowHandle window, std::uint32_t id, WParam wParam, LParam lParam) {
    queue_.push_back(Message{window, id, wParam, lParam});
}

void SdlWindowSystem::postQuitMessage(std::int32_t exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

MessageResult SdlWindowSystem::sendMessage(WindowHandle window, std::uint32_t id, WParam wParam, LParam lParam) {
    Window* w = find(window);
    if (w == nullptr || w->procedure == nullptr) return 0;
    return w->procedure(window, id, wParam, lParam);
}

void SdlWindowSystem::enqueue(const SDL_Event& event) {
    if (windows_.empty()) return;
    Window& w = windows_.begin()->second;
    translated_.clear();
    translateEvent(event, w.state, translated_);
    queue_.insert(queue_.end(), translated_.begin(), translated_.end());
}

void SdlWindowSystem::pump() {
    if (!videoStarted_) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) enqueue(event);
}

bool SdlWindowSystem::peekMessage() {
    pump();
    return !queue_.empty() || quitPosted_;
}

bool SdlWindowSystem::getMessage(Message& message) {
    for (;;) {
        pump();
        if (!queue_.empty()) {
            message = queue_.front();
            queue_.pop_front();
            return true;
        }
        if (quitPosted_ || !videoStarted_) {
            quitPosted_ = false;
            message = Message{0, WM_QUIT, static_cast<WParam>(quitCode_), 0};
            return false;
        }
        SDL_Event event;
        if (SDL_WaitEvent(&event) == 0) {
            message = Message{0, WM_QUIT, 0, 0};  // the event source is gone
            return false;
        }
        enqueue(event);
    }
}

void SdlWindowSystem::waitMessage() {
    pump();
    while (queue_.empty() && !quitPosted_ && videoStarted_) {
        SDL_Event event;
        if (SDL_WaitEvent(&event) == 0) return;
        enqueue(event);
    }
}

void SdlWindowSystem::translateMessage(const Message&) {
    // Typed characters are already separate messages: SDL reports text apart from keys.
}

MessageResult SdlWindowSystem::dispatchMessage(const Message& message) {
    if (message.window == 0) return 0;
    return sendMessage(message.window, message.id, message.wParam, message.lParam);
}

MessageResult SdlWindowSystem::defWindowProc(WindowHandle window, std::uint32_t id, WParam wParam, LParam) {
    Window* w = find(window);
    if (w == nullptr) return 0;
    switch (id) {
        case WM_CLOSE:
            destroyWindow(window);
            break;
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MAXIMIZE:
                    if (!isPopup(w->style)) SDL_MaximizeWindow(w->sdl);
                    break;
                case SC_RESTORE:
                    if (SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(w->sdl);
                    if (!isPopup(w->style)) applyMode(*w);
                    break;
                case SC_MINIMIZE:
                    SDL_MinimizeWindow(w->sdl);
                    break;
                case SC_CLOSE:
                    postMessage(window, WM_CLOSE, 0, 0);
                    break;
                default:
                    break;
            }
            break;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F1 + 3) postMessage(window, WM_CLOSE, 0, 0);  // Alt+F4
            break;
        default:
            break;
    }
    return 0;
}

void SdlWindowSystem::applyMode(Window& w) {
    const int display = std::max(0, SDL_GetWindowDisplayIndex(w.sdl));
    if (isPopup(w.style)) {
        // A borderless window over the whole desktop; the video mode stays as
        // it is. Placed by hand, so it works with and without a window manager.
        SDL_Rect bounds{0, 0, w.state.clientW, w.state.clientH};
        SDL_GetDisplayBounds(display, &bounds);
        if (!w.popupPlaced) SDL_GetWindowPosition(w.sdl, &w.framedX, &w.framedY);
        w.popupPlaced = true;
        SDL_SetWindowResizable(w.sdl, SDL_FALSE);
        SDL_SetWindowBordered(w.sdl, SDL_FALSE);
        SDL_SetWindowSize(w.sdl, bounds.w, bounds.h);
        SDL_SetWindowPosition(w.sdl, bounds.x, bounds.y);
    } else {
        SDL_SetWindowBordered(w.sdl, SDL_TRUE);
        if (SDL_GetWindowFlags(w.sdl) & SDL_WINDOW_MAXIMIZED) SDL_RestoreWindow(w.sdl);
        SDL_Rect usable{0, 0, w.state.clientW, w.state.clientH};
        if (SDL_GetDisplayUsableBounds(display, &usable) != 0) usable = SDL_Rect{0, 0, w.state.clientW, w.state.clientH};
        const int scale = windowedScale(usable.w, usable.h, w.state.clientW, w.state.clientH);
        const int realW = std::max(1, w.state.clientW * scale);
        const int realH = std::max(1, w.state.clientH * scale);
        SDL_SetWindowResizable(w.sdl, w.resizable ? SDL_TRUE : SDL_FALSE);
        SDL_SetWindowSize(w.sdl, realW, realH);
        int x = 0;
        int y = 0;
        SDL_GetWindowPosition(w.sdl, &x, &y);
        if (w.popupPlaced) {  // back where the framed window stood before
            x = w.framedX;
            y = w.framedY;
            w.popupPlaced = false;
        }
        // Keep the scaled window on the desktop.
        x = std::clamp(x, usable.x, std::max(usable.x, usable.x + usable.w - realW));
        y = std::clamp(y, usable.y, std::max(usable.y, usable.y + usable.h - realH));
        SDL_SetWindowPosition(w.sdl, x, y);
    }
    refreshSize(w);
}

void SdlWindowSystem::refreshSize(Window& w) {
    SDL_GetWindowSize(w.sdl, &w.state.windowW, &w.state.windowH);
}

}  // namespace platform
