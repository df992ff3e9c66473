#include "shell/game_screen.h"

#include "platform/clock.h"

GameScreen::GameScreen() {
    highscores.setOwner(this);
    resetSettings();
    startFullscreen = false;
    resetRound();
    shotsLeft = magazineSize;
    score = 0;
    captureTarget = nullptr;
    loadPercent = 0;
    timeUp = false;
}

GameScreen::~GameScreen() {
    highscores.save(highscoreName);
    releaseAll();
}

void GameScreen::resetSettings() {
    width = 640;
    height = 480;
    magazineSize = 10;
    roundMinutes = 2;
    roundSeconds = 30;
    hasTitleImage = false;
    hasHighscoreImage = false;
    hasEndImage = false;
}

void GameScreen::releaseAll() {
    missSound.unload();
    emptySound.unload();
    reloadSound.unload();
    music.unload();
    cursor.destroy();
    bigFont.destroy();
    smallFont.destroy();
    ammoIcon.destroy();
    titleImage.destroy();
    titleGrey.destroy();
    highscores.release();
    endImage.destroy();
    // The recorded drawing target belongs to a display that is going away.
    captureTarget = nullptr;
    captureDevice = nullptr;
    resetSettings();
}

void GameScreen::useShot() {
    shotsLeft -= 1;
    if (shotsLeft < 0) shotsLeft = 0;
}

void GameScreen::shootMiss() {
    missSound.restart();
    useShot();
}

bool GameScreen::reloadIfEmpty() {
    if (shotsLeft != 0) return false;
    shotsLeft = magazineSize;
    return true;
}

void GameScreen::addScore(std::int32_t points) {
    // Widened so that a huge figure value cannot overflow the sum.
    const std::int64_t sum = static_cast<std::int64_t>(score) + points;
    score = sum < 0 ? 0 : (sum > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(sum));
}

void GameScreen::resetRound() {
    lastSecondTick = platform::tickCount();
    secondsLeft = roundMinutes * 60 + roundSeconds;
    reloadIfEmpty();
}
