#include "shell/application.h"

#include "platform/clock.h"
#include "platform/window_system.h"
#include "shell/command_line.h"
#include "shell/game.h"
#include "sound/sound_device.h"

using namespace platform;

Application* Application::current_ = nullptr;

Application::Application(Game& game, SoundDevice& soundDevice, WindowSystem& windows)
    : game_(game), soundDevice_(soundDevice), windows_(windows) {
    current_ = this;
}

Application::~Application() {
    if (current_ == this) current_ = nullptr;
}

MessageResult Application::dispatchToCurrent(WindowHandle window, std::uint32_t message, WParam wParam,
                                             LParam lParam) {
    if (current_ == nullptr) return 0;
    return current_->windowProcedure(window, message, wParam, lParam);
}

int Application::winMain(const std::string& commandLine) {
    copyCommandLine(commandLine.c_str(), game_.commandLine, sizeof game_.commandLine);
    if (!registerWindowClass()) return 0;
    if (!createMainWindow()) return 0;
    return messageLoop();
}

bool Application::registerWindowClass() { return windows_.registerClass(kClassName, &dispatchToCurrent); }

bool Application::createMainWindow() {
    const WindowHandle window = windows_.createWindow(kClassName, kTitle, WS_OVERLAPPEDWINDOW, 0);
    if (window == 0) return false;
    game_.window = window;
    soundDevice_.initialize(window);
    game_.loadSettings();
    if (game_.screen.startFullscreen) {
        windows_.setExStyle(window, WS_EX_TOPMOST);
        windows_.setStyle(window, WS_POPUP | WS_VISIBLE);
        game_.fullscreen = true;
    } else {
        game_.fullscreen = false;
    }
    const Rect r = windows_.windowRect(window);
    windows_.moveWindow(window, r.left, r.top, game_.screen.width, game_.screen.height);
    windows_.showWindow(window);
    windows_.updateWindow(window);
    if (!game_.display.create(window, game_.fullscreen, game_.screen.width, game_.screen.height)) {
        game_.shutdown(false);
        return false;
    }
    game_.loadAssets();
    return true;
}

int Application::messageLoop() {
    for (;;) {
        if (windows_.peekMessage()) {
            Message message;
            if (!windows_.getMessage(message)) return static_cast<int>(message.wParam);
            windows_.translateMessage(message);
            windows_.dispatchMessage(message);
        } else if (game_.active) {
            game_.frame();
            sleepMs(1);
        } else {
            windows_.waitMessage();
        }
    }
}

MessageResult Application::windowProcedure(WindowHandle window, std::uint32_t message, WParam wParam,
                                           LParam lParam) {
    switch (message) {
        case WM_DESTROY:
            game_.shutdown(true);
            windows_.postQuitMessage(0);
            soundDevice_.release();
            return 0;
        case WM_ACTIVATE:
            game_.active = highWord(wParam) == 0;
            return 0;
        case WM_GETMINMAXINFO:
            if (!game_.fullscreen) {
                auto* info = reinterpret_cast<MinMaxInfo*>(lParam);
                const std::int32_t w = game_.screen.width + 2 * windows_.systemMetric(SystemMetric::FrameWidth);
                const std::int32_t h = game_.screen.height + windows_.systemMetric(SystemMetric::CaptionHeight) +
                                       2 * windows_.systemMetric(SystemMetric::FrameHeight);
                info->minTrackWidth = info->maxTrackWidth = w;
                info->minTrackHeight = info->maxTrackHeight = h;
                return 0;
            }
            break;
        case WM_NCMOUSEMOVE:
            if (cursorHidden_) {
                while (windows_.showCursor(true) < 0) {
                }
                cursorHidden_ = false;
            }
            break;
        case WM_MOUSEMOVE:
            if (!cursorHidden_) {
                while (windows_.showCursor(false) >= 0) {
                }
                cursorHidden_ = true;
            }
            game_.onMouseMove(pointX(lParam), pointY(lParam));
            break;
        case WM_KEYDOWN:
            game_.keyboard.keyDown(static_cast<std::int32_t>(wParam));
            if (wParam == VK_ESCAPE) {
                if (game_.onEscape()) windows_.postMessage(window, WM_CLOSE, 0, 0);
                return 0;
            }
            break;
        case WM_KEYUP:
            game_.keyboard.keyUp(static_cast<std::int32_t>(wParam));
            break;
        case WM_CHAR:
            if (game_.state == GameState::Highscore) game_.screen.highscores.onChar(static_cast<std::int32_t>(wParam));
            break;
        case WM_SYSCHAR:
            if (wParam == 13) windows_.postMessage(window, WM_SYSCOMMAND, game_.fullscreen ? SC_RESTORE : SC_MAXIMIZE, 0);
            break;
        case WM_SYSCOMMAND:
            if (wParam == SC_MAXIMIZE) {
                switchToFullscreen();
                game_.fullscreen = true;
            } else if (wParam == SC_RESTORE && game_.fullscreen) {
                switchToWindowed();
                game_.fullscreen = false;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            game_.onLeftClick(pointX(lParam), pointY(lParam));
            break;
        case WM_RBUTTONDOWN:
            game_.onRightClick();
            break;
        default:
            break;
    }
    return windows_.defWindowProc(window, message, wParam, lParam);
}

void Application::switchToFullscreen() {
    game_.screen.music.unload();
    windows_.setExStyle(game_.window, WS_EX_TOPMOST);
    windows_.setStyle(game_.window, WS_POPUP | WS_VISIBLE);
    reloadForMode(true);
}

void Application::switchToWindowed() {
    game_.screen.music.unload();
    windows_.setExStyle(game_.window, 0);
    windows_.setStyle(game_.window, WS_OVERLAPPEDWINDOW);
    windows_.dropTopmost(game_.window);
    reloadForMode(false);
}

void Application::reloadForMode(bool fullscreen) {
    game_.background.clear();
    game_.world.clear();
    game_.screen.releaseAll();
    game_.display.release(false);
    game_.display.create(game_.window, fullscreen, 640, 480);
    game_.loadSettings();
    game_.loadAssets();
}
