#include "display/font.h"

#include <cmath>

#include "archive/image_records.h"
#include "platform/clock.h"

namespace {

constexpr std::int32_t kColumns = 13;

}  // namespace

bool Font::load(ArchiveStream& stream, platform::VideoDevice* device) {
    return readImage(&stream, &sheet_, device);
}

void Font::setMetrics(std::int32_t originX, std::int32_t originY, std::int32_t cellWidth, std::int32_t cellHeight,
                      std::int32_t gapX, std::int32_t gapY, std::int32_t advance, std::int32_t spaceAdvance) {
    originX_ = originX;
    originY_ = originY;
    cellWidth_ = cellWidth;
    cellHeight_ = cellHeight;
    gapX_ = gapX;
    gapY_ = gapY;
    advance_ = advance;
    spaceAdvance_ = spaceAdvance;
}

std::int32_t Font::glyphIndex(char character) {
    // Bytes count as signed: nothing from 0x80 up has a glyph.
    const auto c = static_cast<signed char>(character);
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return 26 + (c - 'a');
    if (c >= '0' && c <= '9') return 52 + (c - '0');
    switch (c) {
        case '.': return 62;
        case ':': return 63;
        case ',': return 64;
        case '|': return 65;
        case '-': return 66;
        default: return -1;
    }
}

std::int32_t Font::wobbleOffset(std::uint32_t tick, std::int32_t penX) {
    const std::uint32_t u = tick + 5u * static_cast<std::uint32_t>(penX);
    return static_cast<std::int32_t>((std::sin(static_cast<double>(u) * 0.005) + 1.0) * 10.0);
}

bool Font::drawGlyph(platform::VideoSurface* target, const platform::Rect* clip, std::int32_t x, std::int32_t y,
                     char character) const {
    const std::int32_t n = glyphIndex(character);
    if (n < 0) return false;
    if (!target) return true;
    const std::int32_t cellX = (n % kColumns) * (cellWidth_ + gapX_) + originX_;
    const std::int32_t cellY = (n / kColumns) * (cellHeight_ + gapY_) + originY_;
    sheet_.drawPart(target, clip, x, y, cellX, cellY, cellWidth_, cellHeight_, true);
    return true;
}

void Font::drawText(platform::VideoSurface* target, const platform::Rect* clip, std::int32_t x, std::int32_t y,
                    const char* text, bool wobble) const {
    if (!text) return;
    std::int32_t pen = x;
    for (const char* c = text; *c != '\0'; ++c) {
        const std::int32_t dy = wobble ? wobbleOffset(platform::tickCount(), pen) : 0;
        drawGlyph(target, clip, pen, y + dy, *c);
        pen += glyphIndex(*c) >= 0 ? advance_ : spaceAdvance_;
    }
}

std::int32_t Font::textWidth(const char* text) const {
    if (!text) return 0;
    std::int32_t width = 0;
    for (const char* c = text; *c != '\0'; ++c) width += *c == ' ' ? spaceAdvance_ : advance_;
    return width;
}
