#include "shell/hud_text.h"

#include <cstdio>

std::string clockText(std::int32_t secondsLeft) {
    char text[256];
    std::snprintf(text, sizeof text, "%d:%.2d", secondsLeft / 60, secondsLeft % 60);
    return text;
}

std::string scoreText(std::int32_t score) {
    char text[256];
    std::snprintf(text, sizeof text, "%.6d", score);
    return text;
}
