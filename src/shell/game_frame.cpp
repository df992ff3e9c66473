#include "platform/clock.h"
#include "platform/window_system.h"
#include "shell/edge_scroll.h"
#include "shell/game.h"

bool Game::frame() {
    platform::WindowSystem* ws = services_.windows;
    if (ws == nullptr || window == 0) return false;
    scrollByKeyboard();
    screen.music.update();
    platform::Rect clip = ws->clientRect(window);
    display.fitBackBuffer(clip);

    if (state == GameState::Playing && screen.timeUp) {
        display.copyToAllBuffers();
        forgetStaleCapture();
        screen.captureFrame();
        screen.highscores.resetEntry();
        screen.highscores.newScore = screen.score;
        screen.score = 0;
        screen.timeUp = false;
        state = GameState::Highscore;
    } else if (state == GameState::Highscore && screen.highscores.done) {
        screen.highscores.done = false;
        state = GameState::Title;
    }

    platform::VideoSurface* target = display.backBuffer();
    switch (state) {
        case GameState::Unloaded:
            break;
        case GameState::Loading:
        case GameState::Title:
            screen.drawTitle(target, &clip, true);
            break;
        case GameState::Playing:
            drawPlayPicture(target, &clip);
            break;
        case GameState::Highscore:
            screen.drawHighscore(target, &clip, false);
            break;
        case GameState::Credits:
            screen.drawEnd(target, &clip);
            break;
    }
    if (state == GameState::Title || state == GameState::Playing) {
        screen.drawCursor(target, &clip, mouseX, mouseY, display.directDraw());
    }
    display.present();
    return true;
}

void Game::drawPlayPicture(platform::VideoSurface* target, platform::Rect* clip) {
    const std::uint32_t now = platform::tickCount();
    scrollX += edgeScrollStep(mouseX, screen.width, now - lastScrollTick);
    lastScrollTick = platform::tickCount();
    const std::int32_t maxScroll = background.widestLayerWidth() - screen.width;
    if (scrollX < 0) scrollX = 0;
    if (scrollX > maxScroll) scrollX = maxScroll;

    const std::int32_t widest = background.widestLayerWidth();
    const std::uint32_t t = platform::tickCount();
    Surface::fillGrey(target, clip);
    screen.drawPlaceholder(target, clip, "Parallax   Hintergrund", 264);
    for (std::int32_t i = 0; i <= 5; ++i) {
        const float f = background.drawLayer(target, clip, scrollX, false, i, screen.width, screen.height);
        world.updateLayer(i, t, f, scrollX, target, clip, widest, screen.width, screen.bigFont);
    }
    screen.drawHud(target, clip);
}
