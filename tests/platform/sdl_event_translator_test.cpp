#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/sdl/sdl_event_translator.h"

using namespace platform;

namespace {

class Translate : public ::testing::Test {
protected:
    Translate() {
        window.handle = 7;
        window.windowW = 1280;
        window.windowH = 960;
        window.clientW = 640;
        window.clientH = 480;
    }

    std::vector<Message> run(const SDL_Event& e) {
        std::vector<Message> out;
        translateEvent(e, window, out);
        for (const auto& m : out) EXPECT_EQ(m.window, 7u);
        return out;
    }

    static SDL_Event key(Uint32 type, SDL_Scancode sc, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
        SDL_Event e{};
        e.type = type;
        e.key.keysym.scancode = sc;
        e.key.keysym.mod = mod;
        e.key.repeat = repeat;
        return e;
    }

    static SDL_Event windowEvent(Uint8 what) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = what;
        return e;
    }

    SdlWindowState window;
};

TEST_F(Translate, KeysBecomeVirtualKeysAndTypingKeysAlsoCharacters) {
    auto m = run(key(SDL_KEYDOWN, SDL_SCANCODE_RIGHT));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_KEYDOWN);
    EXPECT_EQ(m[0].wParam, VK_RIGHT);

    m = run(key(SDL_KEYUP, SDL_SCANCODE_LEFT));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_KEYUP);
    EXPECT_EQ(m[0].wParam, VK_LEFT);

    const struct {
        SDL_Scancode sc;
        WParam vk;
        WParam ch;
    } typing[] = {{SDL_SCANCODE_RETURN, VK_RETURN, 13}, {SDL_SCANCODE_BACKSPACE, VK_BACK, 8},
                  {SDL_SCANCODE_ESCAPE, VK_ESCAPE, 27}};
    for (const auto& t : typing) {
        m = run(key(SDL_KEYDOWN, t.sc));
        ASSERT_EQ(m.size(), 2u);
        EXPECT_EQ(m[0].id, WM_KEYDOWN);
        EXPECT_EQ(m[0].wParam, t.vk);
        EXPECT_EQ(m[1].id, WM_CHAR);
        EXPECT_EQ(m[1].wParam, t.ch);
    }
    m = run(key(SDL_KEYDOWN, SDL_SCANCODE_A));
    ASSERT_EQ(m.size(), 1u) << "letters arrive as text input";
    EXPECT_EQ(m[0].wParam, static_cast<WParam>('A'));
}

TEST_F(Translate, AltEnterIsASystemCharacterOnce) {
    auto m = run(key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT));
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].id, WM_SYSKEYDOWN);
    EXPECT_EQ(m[1].id, WM_SYSCHAR);
    EXPECT_EQ(m[1].wParam, 13u);
    m = run(key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT, 1));
    ASSERT_EQ(m.size(), 1u) << "holding the keys does not switch again and again";
    EXPECT_EQ(m[0].id, WM_SYSKEYDOWN);
}

TEST_F(Translate, TextBecomesWindows1252Characters) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strcpy(e.text.text, "a\xC3\xA4\xE2\x82\xAC");  // a, a-umlaut, euro sign
    const auto m = run(e);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].wParam, static_cast<WParam>('a'));
    EXPECT_EQ(m[1].wParam, 0xE4u);
    EXPECT_EQ(m[2].wParam, 0x80u);
    for (const auto& msg : m) EXPECT_EQ(msg.id, WM_CHAR);
}

TEST_F(Translate, MousePositionsAreMappedIntoThePicture) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 641;
    e.motion.y = 479;
    auto m = run(e);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_MOUSEMOVE);
    EXPECT_EQ(pointX(m[0].lParam), 320);
    EXPECT_EQ(pointY(m[0].lParam), 239);

    // Full screen on a 1280x1024 desktop: bars of 32 pixels above and below.
    window.windowH = 1024;
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = 1279;
    e.button.y = 10;
    m = run(e);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_LBUTTONDOWN);
    EXPECT_EQ(pointX(m[0].lParam), 639);
    EXPECT_EQ(pointY(m[0].lParam), 0) << "a point in the bar clamps to the picture's edge";

    e.button.button = SDL_BUTTON_RIGHT;
    e.button.y = 1000;
    m = run(e);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_RBUTTONDOWN);
    EXPECT_EQ(pointY(m[0].lParam), 479);
}

TEST_F(Translate, MinimiseAndRestoreDriveActivationAndTheRestoreCommand) {
    auto m = run(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_ACTIVATE);
    EXPECT_EQ(highWord(m[0].wParam), 1u);
    EXPECT_TRUE(window.minimised);

    m = run(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(highWord(m[0].wParam), 1u) << "still minimised";

    m = run(windowEvent(SDL_WINDOWEVENT_RESTORED));
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].id, WM_SYSCOMMAND);
    EXPECT_EQ(m[0].wParam, SC_RESTORE);
    EXPECT_EQ(m[1].id, WM_ACTIVATE);
    EXPECT_EQ(highWord(m[1].wParam), 0u);

    EXPECT_TRUE(run(windowEvent(SDL_WINDOWEVENT_RESTORED)).empty()) << "un-maximising is no restore command";
}

TEST_F(Translate, MaximiseAndCloseBecomeCommands) {
    auto m = run(windowEvent(SDL_WINDOWEVENT_MAXIMIZED));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_SYSCOMMAND);
    EXPECT_EQ(m[0].wParam, SC_MAXIMIZE);
    window.popupStyle = true;
    EXPECT_TRUE(run(windowEvent(SDL_WINDOWEVENT_MAXIMIZED)).empty());

    m = run(windowEvent(SDL_WINDOWEVENT_CLOSE));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_CLOSE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    m = run(quit);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_CLOSE);

    m = run(windowEvent(SDL_WINDOWEVENT_LEAVE));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].id, WM_NCMOUSEMOVE);
}

}  // namespace
