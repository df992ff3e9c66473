#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "display/font.h"
#include "highscore/highscore_table.h"
#include "platform/clock.h"

using platform::Rect;
using platform::VideoSurface;

namespace {

constexpr std::int32_t kColumnWidth = 10;
constexpr std::int32_t kCoveredFrames = 10;

Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r;
}

}  // namespace

void HighscoreTable::draw(VideoSurface* target, const Rect* clip, bool) {
    if (target == nullptr || clip == nullptr) return;
    if (isUncovered()) {
        drawTable(target, clip);
    } else {
        drawCurtain(target, clip);
    }
}

void HighscoreTable::drawCurtain(VideoSurface* target, const Rect* clip) {
    const std::int32_t width = owner_ ? owner_->pictureWidth() : 640;
    const std::int32_t height = owner_ ? owner_->pictureHeight() : 480;
    revealFrames += 1;
    if (revealFrames < kCoveredFrames) {
        // The last picture of the round stays a moment before the curtain moves.
        if (capturedFrame) target->blt(clip, *capturedFrame, clip, platform::kBltPlain);
        return;
    }
    if (revealStart == 0) revealStart = platform::tickCount();
    std::uint32_t now = platform::tickCount();
    for (std::int32_t x = 0; x < width; x += kColumnWidth) {
        if (now <= revealStart) break;  // this column has not started yet
        const double phase = static_cast<double>(now - revealStart) * 0.0025 + 1.57075;
        std::int32_t h = static_cast<std::int32_t>((std::sin(phase) + 1.0) * (height * 0.5));
        if (h <= 0) {
            revealX = std::max(revealX, x);
            h = 0;
        } else if (x <= revealX) {
            h = 0;
        }
        now -= 20;  // each column lags its left neighbour
        const Rect column = intersect(Rect{x, h, x + kColumnWidth, h + image.width()}, *clip);
        image.draw(target, &column, 0.0f, static_cast<float>(h), false, 100.0f);
        if (capturedFrame && h > 0) {
            // The old picture's column is squeezed into what is left above the board.
            const Rect source{x, h, x + kColumnWidth, height};
            const Rect dest{x, 0, x + kColumnWidth, h};
            target->blt(&dest, *capturedFrame, &source, platform::kBltPlain);
        }
    }
}

void HighscoreTable::drawTable(VideoSurface* target, const Rect* clip) {
    const std::int32_t width = owner_ ? owner_->pictureWidth() : 640;
    const std::int32_t height = owner_ ? owner_->pictureHeight() : 480;
    Surface::fillGrey(target, clip);
    image.draw(target, clip, 0.0f, 0.0f, true, 100.0f);
    if (owner_ == nullptr) return;
    const Font& font = owner_->tableFont();
    font.drawText(target, clip, width / 2 - 110, 10, "Der Highscore", false);
    if (!inserted) {
        makeOffer();
        inserted = true;
    }
    char text[32];
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t y = kFirstRowY + kRowStep * i;
        font.drawText(target, clip, 40, y, names[i], false);
        std::snprintf(text, sizeof text, "%d", scores[i]);
        font.drawText(target, clip, width - font.textWidth(text) - 40, y, text, false);
    }
    const bool blink = ((platform::tickCount() / 300) % 2) == 1;
    if (newScore > 0 && blink) {
        std::snprintf(text, sizeof text, "%d", newScore);
        font.drawText(target, clip, width / 2 - font.textWidth(text) / 2, height - 40, text, false);
    }
    if (editY != 0 && blink && editRow >= 0) {
        font.drawText(target, clip, 40 + font.textWidth(names[editRow]), editY, "|", false);
    }
}
