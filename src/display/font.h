#pragma once

#include <cstdint>

#include "display/surface.h"
#include "platform/messages.h"
#include "platform/video_system.h"

class ArchiveStream;

// A bitmap font: one sheet of 67 glyph cells in 13 columns (A-Z, a-z, 0-9,
// ".", ":", ",", "|", "-") and the metrics that place the cells and move the
// pen. Glyphs are drawn keyed, so the sheet's mask shapes the letters.
class Font {
public:
    Font() = default;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Reads the sheet from an image record at the start of a font file.
    bool load(ArchiveStream& stream, platform::VideoDevice* device);
    void destroy() { sheet_.destroy(); }
    void setMetrics(std::int32_t originX, std::int32_t originY, std::int32_t cellWidth, std::int32_t cellHeight,
                    std::int32_t gapX, std::int32_t gapY, std::int32_t advance, std::int32_t spaceAdvance);

    // False when the character has no glyph.
    bool drawGlyph(platform::VideoSurface* target, const platform::Rect* clip, std::int32_t x, std::int32_t y,
                   char character) const;
    // The wobble bobs each glyph 0 to 20 pixels down on a sine wave that runs
    // along the text and travels with time.
    void drawText(platform::VideoSurface* target, const platform::Rect* clip, std::int32_t x, std::int32_t y,
                  const char* text, bool wobble) const;
    std::int32_t textWidth(const char* text) const;

    // Cell number of a character, -1 when it has none.
    static std::int32_t glyphIndex(char character);
    // The wobble's downward shift for a glyph at pen position x at tick t.
    static std::int32_t wobbleOffset(std::uint32_t tick, std::int32_t penX);

    Surface& sheet() { return sheet_; }

private:
    Surface sheet_;
    std::int32_t originX_ = 2;
    std::int32_t originY_ = 2;
    std::int32_t cellWidth_ = 23;
    std::int32_t cellHeight_ = 37;
    std::int32_t gapX_ = 2;
    std::int32_t gapY_ = 2;
    std::int32_t advance_ = 18;
    std::int32_t spaceAdvance_ = 10;
};
