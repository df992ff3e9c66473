#include "platform/code_page.h"

#include <cstdint>

namespace platform {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes.
constexpr std::uint16_t kHighControls[32] = {0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char toCp1252(std::uint32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string cp1252ToUtf8(const std::string& text) {
    std::string out;
    for (unsigned char b : text) {
        std::uint32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kHighControls[b - 0x80] ? kHighControls[b - 0x80] : 0xFFFD;
        appendUtf8(out, c);
    }
    return out;
}

std::string utf8ToCp1252(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int extra = 0;
        std::uint32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            c = b & 0x07;
        } else {
            ++i;
            continue;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size()) break;  // cut-off sequence
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(text[i + k]);
            if ((cont & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (cont & 0x3F);
        }
        if (!ok) {
            ++i;
            continue;
        }
        out += toCp1252(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace platform
