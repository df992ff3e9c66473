#pragma once

#include <cstdint>

class Font;

// What the table needs of the screen it belongs to.
class HighscoreOwner {
public:
    virtual std::int32_t pictureWidth() const = 0;
    virtual std::int32_t pictureHeight() const = 0;
    virtual const char* tableName() const = 0;
    virtual const Font& tableFont() const = 0;

protected:
    ~HighscoreOwner() = default;
};
