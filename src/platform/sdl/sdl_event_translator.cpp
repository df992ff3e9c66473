#include "platform/sdl/sdl_event_translator.h"

#include <algorithm>
#include <string>

#include "platform/code_page.h"
#include "platform/sdl/sdl_key_map.h"
#include "platform/viewport.h"

namespace platform {
namespace {

void push(std::vector<Message>& out, const SdlWindowState& w, std::uint32_t id, WParam wParam, LParam lParam) {
    out.push_back(Message{w.handle, id, wParam, lParam});
}

// The characters that the keyboard itself types, as a desktop's key
// translation would report them; SDL's text input leaves them out.
int controlCharOf(SDL_Scancode sc) {
    switch (sc) {
        case SDL_SCANCODE_RETURN:
        case SDL_SCANCODE_KP_ENTER: return 13;
        case SDL_SCANCODE_BACKSPACE: return 8;
        case SDL_SCANCODE_ESCAPE: return 27;
        case SDL_SCANCODE_TAB: return 9;
        default: return 0;
    }
}

// Bit 30 of a key message's lParam: the key was already down (auto-repeat).
LParam keyParam(bool repeat, bool release) {
    LParam p = 1;
    if (repeat || release) p |= static_cast<LParam>(1) << 30;
    if (release) p |= static_cast<LParam>(1) << 31;
    return p;
}

void translateKey(const SDL_KeyboardEvent& key, const SdlWindowState& w, std::vector<Message>& out) {
    const WParam vk = virtualKeyOf(key.keysym.scancode);
    const bool down = key.type == SDL_KEYDOWN;
    const bool alt = (key.keysym.mod & KMOD_ALT) != 0 || vk == VK_MENU;
    if (vk == 0) return;
    if (alt) {
        push(out, w, down ? WM_SYSKEYDOWN : WM_SYSKEYUP, vk, keyParam(key.repeat != 0, !down));
        if (down && vk == VK_RETURN && key.repeat == 0) push(out, w, WM_SYSCHAR, 13, keyParam(false, false));
        return;
    }
    push(out, w, down ? WM_KEYDOWN : WM_KEYUP, vk, keyParam(key.repeat != 0, !down));
    const bool ctrl = (key.keysym.mod & KMOD_CTRL) != 0;
    if (down && !ctrl) {
        const int ch = controlCharOf(key.keysym.scancode);
        if (ch != 0) push(out, w, WM_CHAR, static_cast<WParam>(ch), keyParam(key.repeat != 0, false));
    }
}

void translateWindowEvent(const SDL_WindowEvent& we, SdlWindowState& w, std::vector<Message>& out) {
    switch (we.event) {
        case SDL_WINDOWEVENT_CLOSE:
            push(out, w, WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            if (!w.minimised) {
                w.minimised = true;
                push(out, w, WM_ACTIVATE, activateParam(WA_INACTIVE, true), 0);
            }
            break;
        case SDL_WINDOWEVENT_RESTORED:
            // Coming back from the task bar is a restore command (full screen
            // falls back to the framed window on it); un-maximising is not.
            if (w.minimised) {
                w.minimised = false;
                push(out, w, WM_SYSCOMMAND, SC_RESTORE, 0);
                push(out, w, WM_ACTIVATE, activateParam(WA_ACTIVE, false), 0);
            }
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            if (!w.popupStyle) push(out, w, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            push(out, w, WM_ACTIVATE, activateParam(WA_ACTIVE, w.minimised), 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            push(out, w, WM_ACTIVATE, activateParam(WA_INACTIVE, w.minimised), 0);
            break;
        case SDL_WINDOWEVENT_LEAVE:
            // The pointer left the picture: the frame (or the desktop) is under it now.
            push(out, w, WM_NCMOUSEMOVE, 0, 0);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            w.windowW = we.data1;
            w.windowH = we.data2;
            break;
        default:
            break;
    }
}

}  // namespace

void mapToClient(const SdlWindowState& w, int windowX, int windowY, std::int32_t& x, std::int32_t& y) {
    const Viewport v = pictureViewport(w.windowW, w.windowH, w.clientW, w.clientH);
    if (v.w <= 0 || v.h <= 0) {
        x = windowX;
        y = windowY;
        return;
    }
    const std::int64_t px = static_cast<std::int64_t>(windowX - v.x) * w.clientW / v.w;
    const std::int64_t py = static_cast<std::int64_t>(windowY - v.y) * w.clientH / v.h;
    x = static_cast<std::int32_t>(std::clamp<std::int64_t>(px, 0, w.clientW - 1));
    y = static_cast<std::int32_t>(std::clamp<std::int64_t>(py, 0, w.clientH - 1));
}

void translateEvent(const SDL_Event& e, SdlWindowState& w, std::vector<Message>& out) {
    std::int32_t x = 0;
    std::int32_t y = 0;
    switch (e.type) {
        case SDL_QUIT:
            push(out, w, WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT:
            translateWindowEvent(e.window, w, out);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            translateKey(e.key, w, out);
            break;
        case SDL_TEXTINPUT: {
            for (unsigned char c : utf8ToCp1252(e.text.text)) push(out, w, WM_CHAR, c, 1);
            break;
        }
        case SDL_MOUSEMOTION:
            mapToClient(w, e.motion.x, e.motion.y, x, y);
            push(out, w, WM_MOUSEMOVE, 0, pointParam(x, y));
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = e.type == SDL_MOUSEBUTTONDOWN;
            mapToClient(w, e.button.x, e.button.y, x, y);
            if (e.button.button == SDL_BUTTON_LEFT) {
                push(out, w, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, 0, pointParam(x, y));
            } else if (e.button.button == SDL_BUTTON_RIGHT) {
                push(out, w, down ? WM_RBUTTONDOWN : WM_RBUTTONUP, 0, pointParam(x, y));
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace platform
