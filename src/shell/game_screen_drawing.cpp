#include "display/plain_surface.h"
#include "platform/clock.h"
#include "platform/game_error.h"
#include "shell/credits.h"
#include "shell/game_screen.h"
#include "shell/hud_text.h"

using platform::Rect;
using platform::VideoDevice;
using platform::VideoSurface;

void GameScreen::drawPlaceholder(VideoSurface* target, const Rect* clip, const char* label, std::int32_t labelWidth) {
    smallFont.drawText(target, clip, (width - labelWidth) / 2, (height - 16) / 2, label, false);
}

void GameScreen::drawTitle(VideoSurface* target, const Rect* clip, bool) {
    Surface::fillGrey(target, clip);
    drawPlaceholder(target, clip, "Spielstart   Hintergrund", 288);
    titleGrey.draw(target, clip, 0.0f, 0.0f, false, 100.0f);
    // The colour picture uncovers the grey one from the left as loading goes on.
    const auto w = static_cast<std::int32_t>(static_cast<std::int64_t>(loadPercent) * width / 100);
    titleImage.drawPart(target, clip, 0, 0, 0, 0, w, titleImage.height(), false);
}

void GameScreen::drawHighscore(VideoSurface* target, const Rect* clip, bool flag) {
    highscores.draw(target, clip, flag);
    if (highscores.image.width() == 0 || highscores.image.height() == 0) {
        drawPlaceholder(target, clip, "Highscore   Hintergrund", 276);
    }
}

void GameScreen::drawEnd(VideoSurface* target, const Rect* clip) {
    Surface::fillGrey(target, clip);
    drawPlaceholder(target, clip, "Spielende   Hintergrund", 276);
    endImage.draw(target, clip, 0.0f, 0.0f, false, 100.0f);
    if (!creditsStarted) {
        creditsStarted = true;
        creditsStart = platform::tickCount();
    }
    const std::uint32_t now = platform::tickCount();
    const std::uint32_t d = (now - creditsStart) / 10;
    if (d > 7000) creditsStart = now;  // a pass lasts 70 seconds, then the text enters again
    smallFont.drawText(target, clip, width - static_cast<std::int32_t>(d), height - 30, kCreditsText, true);
}

void GameScreen::drawHud(VideoSurface* target, const Rect* clip) {
    if (platform::tickCount() - lastSecondTick > 1000u) {
        secondsLeft -= 1;
        if (secondsLeft < 0) {
            secondsLeft = 0;
            timeUp = true;
        }
        lastSecondTick += 1000;
    }
    smallFont.drawText(target, clip, 3, 6, "TIME:", false);
    bigFont.drawText(target, clip, 65, 2, clockText(secondsLeft).c_str(), false);
    smallFont.drawText(target, clip, width - 200, 6, "SCORE:", false);
    bigFont.drawText(target, clip, width - 120, 2, scoreText(score).c_str(), false);
    for (std::int32_t i = 0; i < shotsLeft; ++i) {
        const std::int32_t x = width - 45 - 25 * i;
        if (x < -25) break;  // the rest of a huge magazine lies off the picture
        ammoIcon.draw(target, clip, static_cast<float>(x), static_cast<float>(height - 60), true, 100.0f);
    }
}

void GameScreen::drawCursor(VideoSurface* target, const Rect* clip, std::int32_t x, std::int32_t y,
                            VideoDevice* device) {
    cursor.draw(target, clip, static_cast<float>(x - cursor.width() / 2), static_cast<float>(y - cursor.height() / 2),
                true, 100.0f);
    captureTarget = target;
    captureDevice = device;
    if (clip != nullptr) captureRect = *clip;
}

void GameScreen::captureFrame() {
    // Before the first title or round frame there is nothing to keep; the
    // highscore screen then simply has no picture behind its curtain.
    if (captureTarget == nullptr || captureDevice == nullptr) return;
    const SurfaceSize size = surfaceSize(captureTarget);
    highscores.capturedFrame.reset();
    try {
        highscores.capturedFrame = createPlainSurface(size.width, size.height, captureDevice);
    } catch (const GameError&) {
        return;
    }
    if (highscores.capturedFrame) {
        highscores.capturedFrame->blt(&captureRect, *captureTarget, &captureRect, platform::kBltPlain);
    }
}
