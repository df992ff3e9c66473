#include <cstring>
#include <vector>

#include "archive/archive_stream.h"
#include "archive/image_records.h"
#include "platform/game_error.h"
#include "shell/game_screen.h"

namespace {

// A picture larger than this is no screen the game can show; such settings
// would only make the window and its buffers as large as the data says.
constexpr std::int32_t kLargestPicture = 4096;

bool readI32(ArchiveStream& stream, std::int32_t& field) {
    std::uint32_t v = 0;
    if (!stream.readU32(&v)) return false;
    field = static_cast<std::int32_t>(v);
    return true;
}

bool readFlag(ArchiveStream& stream, bool& field) {
    std::uint8_t v = 0;
    if (!stream.readU8(&v)) return false;
    field = v != 0;
    return true;
}

}  // namespace

bool GameScreen::loadSoundsAndSettings(ArchiveStream* stream) {
    if (stream == nullptr) return false;
    char tag[2];
    for (;;) {
        if (!stream->beginRecord(tag)) return false;
        const bool settings = tagEquals(tag, "SS");
        if (tagEquals(tag, "S1") || tagEquals(tag, "S2") || tagEquals(tag, "S3")) {
            SoundChannel& channel = tag[1] == '1' ? missSound : (tag[1] == '2' ? emptySound : reloadSound);
            if (!channel.load(stream, false)) return false;
        } else if (tagEquals(tag, "S4")) {
            music.open(stream);
        } else if (settings) {
            if (!readI32(*stream, width) || !readI32(*stream, height) || !readI32(*stream, roundMinutes) ||
                !readI32(*stream, roundSeconds) || !readI32(*stream, magazineSize) ||
                !readFlag(*stream, hasTitleImage) || !readFlag(*stream, hasHighscoreImage) ||
                !readFlag(*stream, hasEndImage)) {
                return false;
            }
            if (width < 1 || height < 1 || width > kLargestPicture || height > kLargestPicture) {
                width = 640;
                height = 480;
                return false;
            }
            readFlag(*stream, startFullscreen);
            std::memset(highscoreName, 0, sizeof highscoreName);
            stream->readExact(highscoreName, kNameBytes);
            highscores.load(highscoreName);
        }
        if (!stream->endRecord()) return false;
        if (settings) return true;
    }
}

bool GameScreen::loadTitleImage(ArchiveStream* stream, platform::VideoDevice* device) {
    if (stream == nullptr || device == nullptr) return false;
    if (!hasTitleImage) return true;
    char tag[2];
    for (;;) {
        if (!stream->beginRecord(tag)) return false;
        bool found = false;
        if (tagEquals(tag, "ST")) {
            if (!stream->endRecord()) return false;
            readImagePair(stream, &titleImage, device);
            makeGreyTitle(device);
            found = true;
        }
        if (!stream->endRecord()) return false;
        if (found) return true;
    }
}

void GameScreen::makeGreyTitle(platform::VideoDevice* device) {
    if (!titleGrey.create(titleImage.width(), titleImage.height(), device)) throw GameError();
    std::vector<std::uint8_t> row(static_cast<std::size_t>(titleImage.width()) * 3);
    titleImage.lock();
    titleGrey.lock();
    for (std::int32_t y = 0; y < titleImage.height(); ++y) {
        titleImage.readRow(row.data(), y, false);
        for (std::size_t i = 0; i + 2 < row.size(); i += 3) {
            const double grey = 0.11 * row[i] + 0.59 * row[i + 1] + 0.30 * row[i + 2];
            const auto g = static_cast<std::uint8_t>(grey);
            row[i] = row[i + 1] = row[i + 2] = g;
        }
        titleGrey.writeRow(row.data(), y, false);
    }
    titleImage.unlock();
    titleGrey.unlock();
}

bool GameScreen::loadScreenImages(ArchiveStream* stream, platform::VideoDevice* device) {
    if (stream == nullptr || device == nullptr) return false;
    if (!hasHighscoreImage && !hasEndImage) return true;
    bool seenHighscore = false;
    bool seenEnd = false;
    char tag[2];
    for (;;) {
        if (!stream->beginRecord(tag)) return false;
        if (tagEquals(tag, "SE") || tagEquals(tag, "SH")) {
            const bool end = tag[1] == 'E';
            if (!stream->endRecord()) return false;
            readImagePair(stream, end ? &endImage : &highscores.image, device);
            (end ? seenEnd : seenHighscore) = true;
        }
        if (!stream->endRecord()) return false;
        if (seenHighscore == hasHighscoreImage && seenEnd == hasEndImage) return true;
    }
}

bool GameScreen::loadBigFont(ArchiveStream* stream, platform::VideoDevice* device) {
    if (stream == nullptr || device == nullptr) return false;
    if (!bigFont.load(*stream, device)) return false;
    bigFont.setMetrics(2, 2, 23, 37, 2, 2, 18, 10);
    return true;
}

bool GameScreen::loadSmallFont(ArchiveStream* stream, platform::VideoDevice* device) {
    if (stream == nullptr || device == nullptr) return false;
    if (!smallFont.load(*stream, device)) return false;
    smallFont.setMetrics(0, 0, 16, 26, 0, 0, 12, 5);
    return true;
}

bool GameScreen::loadAmmoIcon(ArchiveStream* stream, platform::VideoDevice* device) {
    if (stream == nullptr || device == nullptr) return false;
    return readImage(stream, &ammoIcon, device);
}
