#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/messages.h"

namespace platform {

// What turning SDL events into window messages needs to know about the one
// game window; translation updates `minimised`.
struct SdlWindowState {
    WindowHandle handle = 0;
    std::uint32_t sdlWindowId = 0;
    int windowW = 0;  // real window size in window pixels
    int windowH = 0;
    int clientW = 0;  // the picture size the game sees
    int clientH = 0;
    bool popupStyle = false;  // full screen
    bool minimised = false;
};

// Appends the messages an SDL event stands for: keys as virtual-key codes,
// typed text and Enter/Backspace/Escape/Tab as WM_CHAR (Windows-1252),
// Alt+Enter as WM_SYSCHAR 13, mouse positions mapped into the picture,
// minimise/restore as WM_ACTIVATE and SC_RESTORE, maximise as SC_MAXIMIZE,
// close as WM_CLOSE.
void translateEvent(const SDL_Event& event, SdlWindowState& window, std::vector<Message>& out);

// A window-pixel position mapped into the picture, clamped to its area.
void mapToClient(const SdlWindowState& window, int windowX, int windowY, std::int32_t& x, std::int32_t& y);

}  // namespace platform
