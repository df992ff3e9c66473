#pragma once

#include <cstdint>

#include "display/font.h"
#include "display/surface.h"
#include "highscore/highscore_owner.h"
#include "highscore/highscore_table.h"
#include "platform/messages.h"
#include "sound/sound_channel.h"
#include "sound/sound_stream.h"
#include "world/score_keeper.h"

namespace platform {
class VideoSurface;
class VideoDevice;
}  // namespace platform
class ArchiveStream;

// The round (clock, score, magazine), its sounds, fonts and pictures, the
// highscore table and the settings read from the data.
class GameScreen final : public ScoreKeeper, public HighscoreOwner {
public:
    static constexpr std::int32_t kNameBytes = 31;

    GameScreen();
    ~GameScreen();
    GameScreen(const GameScreen&) = delete;
    GameScreen& operator=(const GameScreen&) = delete;

    // Gives up everything read from the data and puts the settings back to
    // their defaults (except the start mode and the table's name).
    void releaseAll();

    // The gun.
    bool hasShots() const override { return shotsLeft != 0; }
    void useShot();
    void shootMiss();
    void playEmpty() override { emptySound.restart(); }
    void playReload() { reloadSound.restart(); }
    bool reloadIfEmpty();
    void addScore(std::int32_t points) override;
    void resetRound();

    // Loaders over an open entry of the data; device makes the pictures.
    bool loadSoundsAndSettings(ArchiveStream* stream);
    bool loadTitleImage(ArchiveStream* stream, platform::VideoDevice* device);
    bool loadScreenImages(ArchiveStream* stream, platform::VideoDevice* device);
    bool loadBigFont(ArchiveStream* stream, platform::VideoDevice* device);
    bool loadSmallFont(ArchiveStream* stream, platform::VideoDevice* device);
    bool loadAmmoIcon(ArchiveStream* stream, platform::VideoDevice* device);

    // The screens, drawn into target and clipped to clip.
    void drawTitle(platform::VideoSurface* target, const platform::Rect* clip, bool showProgress);
    void drawHighscore(platform::VideoSurface* target, const platform::Rect* clip, bool flag);
    void drawEnd(platform::VideoSurface* target, const platform::Rect* clip);
    void drawHud(platform::VideoSurface* target, const platform::Rect* clip);
    void drawCursor(platform::VideoSurface* target, const platform::Rect* clip, std::int32_t x, std::int32_t y,
                    platform::VideoDevice* device);
    // The label in the middle of a screen, seen only where its picture is missing.
    void drawPlaceholder(platform::VideoSurface* target, const platform::Rect* clip, const char* label,
                         std::int32_t labelWidth);
    // Keeps the last picture of a round for the highscore curtain.
    void captureFrame();

    // HighscoreOwner
    std::int32_t pictureWidth() const override { return width; }
    std::int32_t pictureHeight() const override { return height; }
    const char* tableName() const override { return highscoreName; }
    const Font& tableFont() const override { return bigFont; }

    Surface cursor;
    Surface ammoIcon;
    SoundChannel missSound;
    SoundChannel emptySound;
    SoundChannel reloadSound;
    std::uint32_t lastSecondTick = 0;
    std::int32_t secondsLeft = 0;
    std::int32_t shotsLeft = 0;
    SoundStream music;
    std::int32_t score = 0;
    Font smallFont;
    Font bigFont;
    Surface titleImage;
    Surface titleGrey;
    HighscoreTable highscores;
    Surface endImage;
    platform::VideoSurface* captureTarget = nullptr;
    platform::VideoDevice* captureDevice = nullptr;
    platform::Rect captureRect;
    bool hasTitleImage = false;
    bool hasHighscoreImage = false;
    bool hasEndImage = false;
    std::int32_t loadPercent = 0;
    std::int32_t magazineSize = 10;
    std::int32_t roundMinutes = 2;
    std::int32_t roundSeconds = 30;
    std::int32_t width = 640;
    std::int32_t height = 480;
    bool startFullscreen = false;
    char highscoreName[kNameBytes + 1] = {};  // one more byte, so a full name stays terminated
    bool timeUp = false;

    // The end screen's credits scroll, kept for the whole run of the program.
    bool creditsStarted = false;
    std::uint32_t creditsStart = 0;

private:
    void resetSettings();
    void makeGreyTitle(platform::VideoDevice* device);
};
