#pragma once

#include <SDL.h>

#include "platform/messages.h"

namespace platform {

// The virtual-key code of a physical key; 0 for keys the game has no code for.
WParam virtualKeyOf(SDL_Scancode scancode);

}  // namespace platform
