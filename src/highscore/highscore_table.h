#pragma once

#include <cstdint>
#include <memory>

#include "display/surface.h"
#include "highscore/highscore_owner.h"
#include "platform/messages.h"
#include "platform/video_system.h"

// The best scores with the players' names, the curtain that uncovers them and
// the entry of a new name.
class HighscoreTable {
public:
    static constexpr std::int32_t kCapacity = 10;
    static constexpr std::int32_t kNameBytes = 12;  // 11 characters and the terminator
    static constexpr std::int32_t kFirstRowY = 80;
    static constexpr std::int32_t kRowStep = 38;

    HighscoreTable();

    void setOwner(HighscoreOwner* owner) { owner_ = owner; }
    void setDefaults();
    // Starts a new showing of the screen; rows and editing stay.
    void resetEntry();
    void release();
    void onChar(std::int32_t code);
    // Places newScore into the rows (once per showing, on the first uncovered frame).
    void makeOffer();
    bool isUncovered() const;
    // One frame of the highscore screen: the kept picture, the curtain that
    // uncovers the table, then the table with the name being typed.
    void draw(platform::VideoSurface* target, const platform::Rect* clip, bool flag);

    // Kept in memory until there is a store for them.
    bool load(const char* name);
    bool save(const char* name);

    char names[kCapacity][kNameBytes] = {};
    std::int32_t scores[kCapacity] = {};
    std::int32_t count = 0;
    std::int32_t revealFrames = 0;
    std::int32_t revealX = -1;
    std::uint32_t revealStart = 0;
    Surface image;
    std::unique_ptr<platform::VideoSurface> capturedFrame;
    std::int32_t newScore = 0;
    bool inserted = false;
    bool done = false;
    std::int32_t editY = 0;
    std::int32_t editRow = -1;

private:
    void drawCurtain(platform::VideoSurface* target, const platform::Rect* clip);
    void drawTable(platform::VideoSurface* target, const platform::Rect* clip);

    HighscoreOwner* owner_ = nullptr;
};
