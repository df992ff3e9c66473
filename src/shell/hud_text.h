#pragma once

#include <cstdint>
#include <string>

// The round clock as minutes and two-digit seconds ("1:30").
std::string clockText(std::int32_t secondsLeft);
// The score with six digits and leading zeros ("001234").
std::string scoreText(std::int32_t score);
