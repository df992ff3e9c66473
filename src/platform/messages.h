#pragma once

#include <cstdint>

// Window messages as the game's window procedure sees them. The numbers are
// the classic desktop values, so recorded message scripts stay readable and a
// native backend can pass them straight through.
namespace platform {

using WindowHandle = std::uintptr_t;  // 0 = no window
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using MessageResult = std::intptr_t;

struct Message {
    WindowHandle window = 0;
    std::uint32_t id = 0;
    WParam wParam = 0;
    LParam lParam = 0;
};

constexpr std::uint32_t WM_CREATE = 0x0001;
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_ACTIVATE = 0x0006;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_GETMINMAXINFO = 0x0024;
constexpr std::uint32_t WM_NCMOUSEMOVE = 0x00A0;
constexpr std::uint32_t WM_KEYDOWN = 0x0100;
constexpr std::uint32_t WM_KEYUP = 0x0101;
constexpr std::uint32_t WM_CHAR = 0x0102;
constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr std::uint32_t WM_SYSKEYUP = 0x0105;
constexpr std::uint32_t WM_SYSCHAR = 0x0106;
constexpr std::uint32_t WM_SYSCOMMAND = 0x0112;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;
constexpr std::uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr std::uint32_t WM_LBUTTONUP = 0x0202;
constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr std::uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr std::uint32_t WM_RBUTTONUP = 0x0205;

// WM_ACTIVATE: low word of wParam
constexpr std::uint32_t WA_INACTIVE = 0;
constexpr std::uint32_t WA_ACTIVE = 1;

// WM_SYSCOMMAND: wParam
constexpr WParam SC_MINIMIZE = 0xF020;
constexpr WParam SC_MAXIMIZE = 0xF030;
constexpr WParam SC_CLOSE = 0xF060;
constexpr WParam SC_RESTORE = 0xF120;

// Virtual-key codes (WM_KEYDOWN / WM_KEYUP wParam). Letters and digits are
// their upper-case ASCII codes.
constexpr WParam VK_BACK = 0x08;
constexpr WParam VK_TAB = 0x09;
constexpr WParam VK_RETURN = 0x0D;
constexpr WParam VK_SHIFT = 0x10;
constexpr WParam VK_CONTROL = 0x11;
constexpr WParam VK_MENU = 0x12;
constexpr WParam VK_PAUSE = 0x13;
constexpr WParam VK_CAPITAL = 0x14;
constexpr WParam VK_ESCAPE = 0x1B;
constexpr WParam VK_SPACE = 0x20;
constexpr WParam VK_PRIOR = 0x21;
constexpr WParam VK_NEXT = 0x22;
constexpr WParam VK_END = 0x23;
constexpr WParam VK_HOME = 0x24;
constexpr WParam VK_LEFT = 0x25;
constexpr WParam VK_UP = 0x26;
constexpr WParam VK_RIGHT = 0x27;
constexpr WParam VK_DOWN = 0x28;
constexpr WParam VK_INSERT = 0x2D;
constexpr WParam VK_DELETE = 0x2E;
constexpr WParam VK_NUMPAD0 = 0x60;
constexpr WParam VK_F1 = 0x70;

// Window styles. Only the two sets the game switches between matter.
constexpr std::uint32_t WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;

// System metrics the window procedure reads.
enum class SystemMetric { FrameWidth, FrameHeight, CaptionHeight };

// lParam of WM_GETMINMAXINFO points at this.
struct MinMaxInfo {
    std::int32_t minTrackWidth = 0;
    std::int32_t minTrackHeight = 0;
    std::int32_t maxTrackWidth = 0x7FFFFFFF;
    std::int32_t maxTrackHeight = 0x7FFFFFFF;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

inline std::uint32_t lowWord(std::uintptr_t v) { return static_cast<std::uint32_t>(v & 0xFFFF); }
inline std::uint32_t highWord(std::uintptr_t v) { return static_cast<std::uint32_t>((v >> 16) & 0xFFFF); }

// Mouse coordinates travel as two signed 16-bit words.
inline LParam pointParam(std::int32_t x, std::int32_t y) {
    return static_cast<LParam>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                               static_cast<std::uint32_t>(x & 0xFFFF));
}
inline std::int32_t pointX(LParam p) { return static_cast<std::int16_t>(p & 0xFFFF); }
inline std::int32_t pointY(LParam p) { return static_cast<std::int16_t>((p >> 16) & 0xFFFF); }
inline WParam activateParam(std::uint32_t state, bool minimised) {
    return static_cast<WParam>(state | (minimised ? 0x10000u : 0u));
}

}  // namespace platform
