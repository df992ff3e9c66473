#include "platform/window_system.h"
#include "shell/game.h"

bool Game::frame() {
    platform::WindowSystem* ws = services_.windows;
    if (ws == nullptr || window == 0) return false;
    scrollByKeyboard();
    screen.music.update();
    display.fitBackBuffer(ws->clientRect(window));
    display.present();
    return true;
}
