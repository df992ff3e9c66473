#include "shell/game.h"

#include "platform/clock.h"
#include "platform/window_system.h"

Game::Game(const platform::Services& services)
    : display(services.video), lastScrollTick(platform::tickCount()), services_(services) {}

Game::~Game() = default;

void Game::scrollByKeyboard() {
    KeyEntry* entry = keyboard.nextKey();
    if (entry == nullptr) return;
    const std::uint32_t held = entry->heldTime(platform::tickCount());
    // Reinterpreting the unsigned milliseconds as signed, as the scroll arithmetic always has.
    const auto d = static_cast<std::int32_t>(held);
    if (entry->key == static_cast<std::int32_t>(platform::VK_LEFT)) scrollX -= d;
    if (entry->key == static_cast<std::int32_t>(platform::VK_RIGHT)) scrollX += d;
}

bool Game::onEscape() {
    switch (state) {
        case GameState::Title:
        case GameState::Playing:
            display.copyToAllBuffers();
            forgetStaleCapture();
            screen.captureFrame();
            screen.highscores.resetEntry();
            state = GameState::Highscore;
            return false;
        case GameState::Highscore:
            state = GameState::Credits;
            return false;
        case GameState::Unloaded:
        case GameState::Loading:
        case GameState::Credits:
            return true;
    }
    return true;
}

void Game::onLeftClick(std::int32_t x, std::int32_t y) {
    switch (state) {
        case GameState::Title:
            screen.titleGrey.destroy();  // only the loading screen shows it
            state = GameState::Playing;
            screen.resetRound();
            screen.score = 0;
            screen.shotsLeft = screen.magazineSize;
            world.startRound();
            break;
        case GameState::Playing:
            shoot(x, y);
            break;
        case GameState::Highscore:
            screen.highscores.onChar(13);  // a click confirms like Enter
            break;
        case GameState::Credits:
            if (services_.windows) services_.windows->postMessage(window, platform::WM_CLOSE, 0, 0);
            break;
        case GameState::Unloaded:
        case GameState::Loading:
            break;
    }
}

void Game::shoot(std::int32_t x, std::int32_t y) {
    if (!screen.hasShots()) {
        screen.playEmpty();
        return;
    }
    const std::int32_t occluder = background.layerAt(x, y);
    for (std::int32_t layer = 5; layer >= 0; --layer) {
        if (world.hitLayer(layer, x, y, 0, 0, occluder, screen)) {
            screen.useShot();
            return;
        }
    }
    screen.shootMiss();
}

void Game::onRightClick() {
    if (screen.reloadIfEmpty()) screen.playReload();
}

void Game::onMouseMove(std::int32_t x, std::int32_t y) {
    mouseX = x;
    mouseY = y;
}

void Game::forgetStaleCapture() {
    // The cursor recorded the back buffer of its frame; a back buffer made
    // since (a minimised window, a new display) replaced it.
    if (screen.captureTarget != display.backBuffer()) {
        screen.captureTarget = nullptr;
        screen.captureDevice = nullptr;
    }
}

void Game::shutdown(bool restoreDisplayMode) {
    screen.music.unload();
    background.clear();
    world.clear();
    screen.releaseAll();
    display.release(restoreDisplayMode);
    keyboard.clear();
}
