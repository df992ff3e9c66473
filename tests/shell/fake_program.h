#pragma once

#include "fakes/headless_video.h"
#include "fakes/manual_clock.h"
#include "fakes/scripted_window_system.h"
#include "shell/application.h"
#include "shell/game.h"
#include "sound/sound_device.h"

// The whole program on fakes: a manual clock, scripted window messages, a
// video library without a screen, the game, silent sound and the shell.
struct FakeProgram {
    explicit FakeProgram(
        platform::VideoSystem::Availability availability = platform::VideoSystem::Availability::Ready)
        : video(platform::kFormat565, availability), game(services()), sound(nullptr), app(game, sound, windows) {}

    platform::Services services() {
        platform::Services s;
        s.windows = &windows;
        s.video = &video;
        return s;
    }

    ManualClock clock;
    ScriptedWindowSystem windows;
    HeadlessVideo video;
    Game game;
    SoundDevice sound;
    Application app;
};
