#include "display/surface.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "display/plain_surface.h"
#include "platform/game_error.h"
#include "platform/message_box.h"

namespace {

constexpr std::uint8_t kKeyGrey = 180;
constexpr std::uint8_t kAvoidGreen = 184;
constexpr std::uint16_t kKey565 = 0xB5B6;
constexpr std::uint16_t kAvoid565 = 0xB5D6;
constexpr std::uint16_t kKey555 = 0x5AD6;
constexpr std::uint16_t kAvoid555 = 0x5AF6;
constexpr std::uint32_t kKeyTrueColour = 0xB4B4B4;
constexpr float kFloatOverlap = 1.1920929e-7f;  // 2^-23

// Shown at most once per run.
bool formatReported = false;

bool isLayout(const platform::PixelFormat& f, const platform::PixelFormat& layout) {
    return f.redMask == layout.redMask && f.greenMask == layout.greenMask && f.blueMask == layout.blueMask;
}

struct FloatBox {
    float x, y, width, height;
};

bool intersect(const FloatBox& a, const FloatBox& b, FloatBox& out) {
    out.x = std::max(a.x, b.x);
    out.y = std::max(a.y, b.y);
    out.width = std::min(a.x + a.width, b.x + b.width) - out.x;
    out.height = std::min(a.y + a.height, b.y + b.height) - out.y;
    return out.width > kFloatOverlap && out.height > kFloatOverlap;
}

// Each edge rounds on its own; the casts truncate toward zero.
platform::Rect toRect(const FloatBox& b) {
    return platform::Rect{static_cast<std::int32_t>(b.x + 0.5f), static_cast<std::int32_t>(b.y + 0.5f),
                          static_cast<std::int32_t>(b.x + b.width + 0.5f),
                          static_cast<std::int32_t>(b.y + b.height + 0.5f)};
}

FloatBox toFloatBox(const platform::Rect& r) {
    return FloatBox{static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right - r.left),
                    static_cast<float>(r.bottom - r.top)};
}

std::uint16_t load16(const std::uint8_t* p) {
    std::uint16_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void store16(std::uint8_t* p, std::uint16_t v) { std::memcpy(p, &v, sizeof v); }

std::uint16_t to555(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
}

// Each channel's share of a 5-6-5 word, looked up instead of shifted and masked.
struct Rgb565Tables {
    std::uint16_t red[256];
    std::uint16_t green[256];
    std::uint16_t blue[256];
};

const Rgb565Tables& rgb565Tables() {
    static const Rgb565Tables tables = [] {
        Rgb565Tables t{};
        for (std::uint32_t c = 0; c < 256; ++c) {
            t.red[c] = static_cast<std::uint16_t>((c >> 3) << 11);
            t.green[c] = static_cast<std::uint16_t>((c >> 2) << 5);
            t.blue[c] = static_cast<std::uint16_t>(c >> 3);
        }
        return t;
    }();
    return tables;
}

enum class Layout16 { Rgb565, Rgb555, Other };

// One tile's span of a row; the pixel loops are split by format so that the
// per-pixel work is only the conversion.
void writeSpan(std::uint8_t* px, const std::uint8_t* bgr, std::int32_t n, std::uint32_t bits, Layout16 layout,
               bool avoidKey) {
    if (bits == 16) {
        // Tile rows are word aligned.
        auto* words = reinterpret_cast<std::uint16_t*>(px);
        if (layout == Layout16::Rgb565) {
            const Rgb565Tables& t = rgb565Tables();
            const std::uint16_t flipToAvoid = avoidKey ? static_cast<std::uint16_t>(kKey565 ^ kAvoid565) : 0;
            for (std::int32_t k = 0; k < n; ++k, bgr += 3) {
                const std::uint16_t v = static_cast<std::uint16_t>(t.red[bgr[2]] | t.green[bgr[1]] | t.blue[bgr[0]]);
                words[k] = static_cast<std::uint16_t>(v ^ (v == kKey565 ? flipToAvoid : 0));
            }
        } else {
            const std::uint16_t avoid = avoidKey ? kAvoid555 : kKey555;
            for (std::int32_t k = 0; k < n; ++k) {
                const std::uint16_t v = to555(bgr[3 * k + 2], bgr[3 * k + 1], bgr[3 * k]);
                words[k] = v == kKey555 ? avoid : v;
            }
        }
        return;
    }
    const std::int32_t step = static_cast<std::int32_t>(bits / 8);
    for (std::int32_t k = 0; k < n; ++k, bgr += 3, px += step) {
        px[0] = bgr[0];
        px[1] = avoidKey && bgr[0] == kKeyGrey && bgr[1] == kKeyGrey && bgr[2] == kKeyGrey ? kAvoidGreen : bgr[1];
        px[2] = bgr[2];
    }
}

void readSpan(const std::uint8_t* line, std::uint8_t* bgr, std::int32_t n, std::uint32_t bits, Layout16 layout,
              bool mirror) {
    const std::int32_t step = static_cast<std::int32_t>(bits / 8);
    for (std::int32_t k = 0; k < n; ++k, bgr += 3) {
        const std::uint8_t* px = line + static_cast<std::ptrdiff_t>(mirror ? n - 1 - k : k) * step;
        if (bits == 16) {
            const std::uint16_t v = load16(px);
            bgr[0] = static_cast<std::uint8_t>((v << 3) & 0xFF);
            if (layout == Layout16::Rgb565) {
                bgr[1] = static_cast<std::uint8_t>((v >> 3) & 0xFC);
                bgr[2] = static_cast<std::uint8_t>((v >> 8) & 0xF8);
            } else {
                bgr[1] = static_cast<std::uint8_t>((v >> 2) & 0xF8);
                bgr[2] = static_cast<std::uint8_t>((v >> 7) & 0xF8);
            }
        } else {
            bgr[0] = px[0];
            bgr[1] = px[1];
            bgr[2] = px[2];
        }
    }
}

void maskSpan(std::uint8_t* px, const std::uint8_t* mask, std::int32_t n, std::uint32_t bits, Layout16 layout) {
    const std::int32_t step = static_cast<std::int32_t>(bits / 8);
    for (std::int32_t k = 0; k < n; ++k, px += step) {
        if (mask[k] == 0) continue;
        if (bits == 16) {
            // A layout we cannot encode grey in gets a plain 0 for its holes.
            store16(px, layout == Layout16::Rgb565 ? kKey565 : layout == Layout16::Rgb555 ? kKey555 : 0);
        } else {
            px[0] = px[1] = px[2] = kKeyGrey;
        }
    }
}

}  // namespace

Surface::~Surface() { destroy(); }

bool Surface::create(std::int32_t width, std::int32_t height, platform::VideoDevice* device) {
    // The same size again on the same device keeps the tiles: new tiles hold
    // undefined pixels too, and making them costs fresh memory for nothing
    // (a size header creates the surface that the decoder then creates again).
    if (width == width_ && height == height_ && !tiles_.empty() && (!device || device == device_) &&
        std::none_of(tileLocks_.begin(), tileLocks_.end(), [](const platform::LockedPixels& l) { return l.pixels; })) {
        return true;
    }
    destroy();
    if (device) device_ = device;
    if (width < 1 || height < 1 || !device_) return false;
    const std::int32_t cols = width / TileWidth;
    const std::int32_t rows = height / TileHeight;
    const std::int32_t restW = width % TileWidth;
    const std::int32_t restH = height % TileHeight;
    width_ = width;
    height_ = height;
    try {
        const std::int32_t rowCount = rows + (restH > 0 ? 1 : 0);
        const std::int32_t colCount = cols + (restW > 0 ? 1 : 0);
        for (std::int32_t r = 0; r < rowCount; ++r) {
            const std::int32_t th = r < rows ? TileHeight : restH;
            for (std::int32_t c = 0; c < colCount; ++c) {
                const std::int32_t tw = c < cols ? TileWidth : restW;
                tileRects_.push_back(Box{c * TileWidth, r * TileHeight, tw, th});
                tileLocks_.emplace_back();
                tiles_.push_back(createPlainSurface(tw, th, device_));
            }
        }
    } catch (const GameError&) {
        destroy();
        return false;
    }
    return true;
}

void Surface::destroy() {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        if (tileLocks_[i].pixels && tiles_[i]) tiles_[i]->unlock();
    }
    tiles_.clear();
    tileLocks_.clear();
    tileRects_.clear();
    width_ = 0;
    height_ = 0;
}

bool Surface::lock() {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        platform::LockedPixels locked;
        if (!tiles_[i]->lock(locked)) {
            // Give back only what this call took: a busy tile belongs to someone else.
            for (std::size_t k = 0; k < i; ++k) {
                tiles_[k]->unlock();
                tileLocks_[k] = platform::LockedPixels{};
            }
            return false;
        }
        tileLocks_[i] = locked;
    }
    return true;
}

bool Surface::unlock() {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        if (!tiles_[i]->unlock()) return false;
        tileLocks_[i] = platform::LockedPixels{};
    }
    return true;
}

void Surface::walkRow(RowOp op, const std::uint8_t* in, std::uint8_t* out, std::int32_t y, bool flag) {
    if (tiles_.empty()) return;
    if (op != RowOp::Mask) format_ = tileLocks_[0].format;
    const Layout16 layout = isLayout(format_, platform::kFormat565)   ? Layout16::Rgb565
                            : isLayout(format_, platform::kFormat555) ? Layout16::Rgb555
                                                                      : Layout16::Other;

    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        const Box& tile = tileRects_[i];
        const std::int32_t x0 = std::max(0, tile.x);
        const std::int32_t n = std::min(width_, tile.x + tile.width) - x0;
        const std::int32_t top = std::max(y, tile.y);
        const std::int32_t rowsHit = std::min(y + 1, tile.y + tile.height) - top;
        if (n <= 0 || rowsHit <= 0) continue;
        const platform::LockedPixels& locked = tileLocks_[i];
        if (!locked.pixels) throw GameError();
        const std::int32_t tx = x0 - tile.x;
        const std::int32_t ty = y - tile.y;
        if (tx + n > locked.width || ty >= locked.height) throw GameError();

        const std::uint32_t bits = locked.format.bitCount;
        if (bits != 16 && bits != 24 && bits != 32) throw GameError();
        // An unknown layout gets no colours written or read back; only the mask marks it.
        if (bits == 16 && layout == Layout16::Other && op != RowOp::Mask) continue;
        const std::int32_t bytesPerPixel = static_cast<std::int32_t>(bits / 8);
        std::uint8_t* line = locked.pixels + static_cast<std::ptrdiff_t>(locked.pitch) * ty +
                             static_cast<std::ptrdiff_t>(tx) * bytesPerPixel;
        const std::size_t first = static_cast<std::size_t>(x0);
        if (op == RowOp::Write) {
            writeSpan(line, in + first * 3, n, bits, layout, flag);
        } else if (op == RowOp::Read) {
            readSpan(line, out + first * 3, n, bits, layout, flag);
        } else {
            maskSpan(line, in + first, n, bits, layout);
        }
    }
}

bool Surface::writeRow(const std::uint8_t* row, std::int32_t y, bool avoidKey) {
    if (!row) return false;
    try {
        walkRow(RowOp::Write, row, nullptr, y, avoidKey);
    } catch (const GameError&) {
        return false;
    }
    return true;
}

bool Surface::readRow(std::uint8_t* row, std::int32_t y, bool mirror) {
    if (!row) return false;
    try {
        walkRow(RowOp::Read, nullptr, row, y, mirror);
    } catch (const GameError&) {
        return false;
    }
    return true;
}

bool Surface::applyMaskRow(const std::uint8_t* mask, std::int32_t y) {
    if (!mask) return false;
    try {
        walkRow(RowOp::Mask, mask, nullptr, y, false);
    } catch (const GameError&) {
        return false;
    }
    return true;
}

std::uint32_t Surface::keyFor(const platform::PixelFormat& tileFormat) const {
    // A picture never written row by row has no recorded format; its tiles know theirs.
    const platform::PixelFormat& f = format_.bitCount != 0 ? format_ : tileFormat;
    if (f.bitCount == 32 || f.bitCount == 24) return kKeyTrueColour;
    if (f.bitCount == 16 && isLayout(f, platform::kFormat565)) return kKey565;
    if (f.bitCount == 16 && isLayout(f, platform::kFormat555)) return kKey555;
    // Only a layout the pictures were actually stored in is worth telling the player about.
    if (f.bitCount == 16 && &f == &format_ && !formatReported) {
        char text[64];
        std::snprintf(text, sizeof text, "R: %.8x\nG: %.8x\nB: %.8x\n", f.redMask, f.greenMask, f.blueMask);
        platform::showMessageBox("Farbconf", text);
        formatReported = true;
    }
    return 0;
}

bool Surface::draw(platform::VideoSurface* target, const platform::Rect* clip, float x, float y, bool keyed,
                   float scalePercent) const {
    const float s = scalePercent * 0.01f;
    if (!target || !clip) return false;
    const FloatBox placed{x, y, static_cast<float>(width_) * s, static_cast<float>(height_) * s};
    FloatBox visible;
    if (!intersect(placed, toFloatBox(*clip), visible)) return true;
    const FloatBox part{(visible.x - x) / s, (visible.y - y) / s, visible.width / s, visible.height / s};

    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        const Box& t = tileRects_[i];
        const FloatBox tile{static_cast<float>(t.x), static_cast<float>(t.y), static_cast<float>(t.width),
                            static_cast<float>(t.height)};
        FloatBox q;
        if (!intersect(tile, part, q)) continue;
        FloatBox sourceBox{q.x - tile.x, q.y - tile.y, q.width, q.height};
        if (scalePercent < 100.0f) {
            sourceBox.width -= 1.0f;
            sourceBox.height -= 1.0f;
        }
        const platform::Rect source = toRect(sourceBox);
        const platform::Rect dest = toRect(FloatBox{x + s * q.x, y + s * q.y, s * q.width, s * q.height});
        // A tile that would reach past the clip is left out whole rather than cut.
        if (dest.right - dest.left <= 0 || dest.bottom - dest.top <= 0 || dest.top < 0 || dest.left < 0 ||
            dest.bottom > clip->bottom || dest.right > clip->right || source.right - source.left <= 0 ||
            source.bottom - source.top <= 0) {
            continue;
        }
        platform::VideoSurface& from = *tiles_[i];
        if (keyed) {
            if (!from.setColorKey(keyFor(from.pixelFormat()))) return false;
            if (!target->blt(&dest, from, &source, platform::kBltKeySource)) return false;
        } else if (!target->blt(&dest, from, &source, platform::kBltPlain)) {
            return false;
        }
    }
    return true;
}

bool Surface::drawPart(platform::VideoSurface* target, const platform::Rect* clip, std::int32_t x, std::int32_t y,
                       std::int32_t sourceX, std::int32_t sourceY, std::int32_t partWidth, std::int32_t partHeight,
                       bool keyed) const {
    if (!clip) return false;
    platform::Rect cut{x, y, x + partWidth, y + partHeight};
    cut.left = std::max(cut.left, clip->left);
    cut.top = std::max(cut.top, clip->top);
    cut.right = std::min(cut.right, clip->right);
    cut.bottom = std::min(cut.bottom, clip->bottom);
    return draw(target, &cut, static_cast<float>(x - sourceX), static_cast<float>(y - sourceY), keyed, 100.0f);
}

bool Surface::isOpaqueAt(std::int32_t x, std::int32_t y) const {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        const Box& t = tileRects_[i];
        if (x < t.x || x >= t.x + t.width || y < t.y || y >= t.y + t.height) continue;
        platform::LockedPixels locked;
        if (!tiles_[i]->lockReadOnly(locked)) return false;
        const std::int32_t px = x - t.x;
        const std::int32_t py = y - t.y;
        if (px >= locked.width || py >= locked.height) {
            tiles_[i]->unlock();
            return false;
        }
        const std::uint8_t* line = locked.pixels + static_cast<std::ptrdiff_t>(locked.pitch) * py;
        bool opaque = true;
        const platform::PixelFormat& f = locked.format;
        if (f.bitCount == 32 || f.bitCount == 24) {
            const std::uint8_t* p = line + static_cast<std::ptrdiff_t>(px) * (f.bitCount / 8);
            opaque = !(p[0] == kKeyGrey && p[1] == kKeyGrey && p[2] == kKeyGrey);
        } else if (f.bitCount == 16 && isLayout(f, platform::kFormat565)) {
            opaque = load16(line + static_cast<std::ptrdiff_t>(px) * 2) != kKey565;
        } else if (f.bitCount == 16 && isLayout(f, platform::kFormat555)) {
            // The top bit of 5-5-5 holds no colour.
            opaque = (load16(line + static_cast<std::ptrdiff_t>(px) * 2) & 0x7FFF) != kKey555;
        }
        if (!tiles_[i]->unlock()) return false;
        return opaque;
    }
    return false;
}

bool Surface::fillGrey(platform::VideoSurface* target, const platform::Rect* rect) {
    if (!target) return false;
    const platform::PixelFormat f = target->pixelFormat();
    const std::uint32_t grey = ((f.redMask >> 1) & f.redMask) | ((f.greenMask >> 1) & f.greenMask) |
                               ((f.blueMask >> 1) & f.blueMask);
    target->colorFill(rect, grey);
    return true;
}
