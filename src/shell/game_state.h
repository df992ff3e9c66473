#pragma once

#include <cstdint>

enum class GameState : std::int32_t {
    Unloaded = 0,  // nothing loaded; frames only present
    Loading = 1,   // loading screen with progress
    Title = 2,     // waiting for the click that starts a round
    Playing = 3,   // a round runs
    Highscore = 4, // highscore table with name entry
    Credits = 5,   // end screen with the scrolling credits
};
