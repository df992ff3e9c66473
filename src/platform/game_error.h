#pragma once

#include <stdexcept>
#include <string>

// The one exception of the game. It never crosses the boundary of a reader,
// decoder, loader or drawing routine: each catches it and reports false.
// The text is empty except where a caller needs to tell failures apart.
class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string& text = std::string()) : std::runtime_error(text) {}
};
