#include <memory>

#include "archive/archive.h"
#include "archive/archive_locator.h"
#include "archive/archive_stream.h"
#include "archive/image_records.h"
#include "platform/game_error.h"
#include "shell/game.h"

namespace {

constexpr const char* kDataFiles[] = {"stuff.x", "back.nb", "figur.xx", "cur.nl", "font.nl", "fonts.nl", "muni.nl"};

// The program's file, its archive and the entry stream, open for one phase
// and released in the right order at its end, however the phase ends.
class DataSession {
public:
    ~DataSession() {
        if (stream_) archive_.release(std::move(stream_));
        locator_.close();
    }

    // Null when there is no file, no archive behind it or no readable archive.
    ArchiveStream* open(const char* path) {
        if (path == nullptr || path[0] == '\0') return nullptr;
        if (locator_.open(path) == nullptr) return nullptr;
        stream_ = archive_.openArchive(locator_.handOver());
        return stream_.get();
    }

    Archive& archive() { return archive_; }

private:
    ArchiveLocator locator_;
    Archive archive_;
    std::unique_ptr<ArchiveStream> stream_;
};

}  // namespace

bool Game::loadSettings() {
    try {
        DataSession data;
        ArchiveStream* stream = data.open(commandLine);
        if (stream == nullptr) return false;
        if (!stream->openEntry("stuff.x")) return false;
        screen.loadSoundsAndSettings(stream);
        stream->closeEntry();
    } catch (const GameError&) {
        return false;
    }
    state = GameState::Loading;
    return true;
}

void Game::progressStep(std::int64_t done, std::int64_t total) {
    // Sizes come from the data: form the percentage in 64 bits.
    screen.loadPercent = total > 0 ? static_cast<std::int32_t>(done * 100 / total) : 0;
    frame();
}

bool Game::loadAssets() {
    try {
        DataSession data;
        ArchiveStream* stream = data.open(commandLine);
        if (stream == nullptr) return false;
        platform::VideoDevice* device = display.directDraw();

        std::int64_t sizes[7] = {};
        std::int64_t total = 0;
        for (int i = 0; i < 7; ++i) {
            sizes[i] = data.archive().entrySize(kDataFiles[i]);
            total += sizes[i];
        }

        if (!stream->openEntry("stuff.x")) return false;
        screen.loadTitleImage(stream, device);
        std::int64_t done = sizes[0] / 3;
        progressStep(done, total);
        screen.loadScreenImages(stream, device);
        done = sizes[0] / 3 + (2 * sizes[0]) / 3;
        progressStep(done, total);

        // One data file: open it, hand it to its loader, count it as done.
        auto loadFile = [&](const char* name, int index, auto&& loader) {
            if (!stream->openEntry(name)) return false;
            if (!loader()) return false;
            stream->closeEntry();
            done += sizes[index];
            progressStep(done, total);
            return true;
        };
        const auto ignored = [](bool) { return true; };
        if (!loadFile("back.nb", 1, [&] { return ignored(background.load(stream, device)); }) ||
            !loadFile("figur.xx", 2, [&] { return world.load(stream, device); }) ||
            !loadFile("cur.nl", 3, [&] { return ignored(readImage(stream, &screen.cursor, device)); }) ||
            !loadFile("font.nl", 4, [&] { return ignored(screen.loadBigFont(stream, device)); }) ||
            !loadFile("fonts.nl", 5, [&] { return ignored(screen.loadSmallFont(stream, device)); }) ||
            !loadFile("Muni.nl", 6, [&] { return ignored(screen.loadAmmoIcon(stream, device)); })) {
            return false;
        }

        screen.music.playLooped();
        screen.loadPercent = 100;
        frame();
    } catch (const GameError&) {
        return false;
    }
    state = GameState::Title;
    return true;
}
