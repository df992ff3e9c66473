#include "highscore/highscore_table.h"

#include <cstring>

namespace {

struct BuiltInRow {
    const char* name;
    std::int32_t score;
};

constexpr BuiltInRow kBuiltInRows[] = {
    {"Quillon", 900}, {"Fenna", 800}, {"Pavel", 700}, {"Dorle", 600}, {"Selma", 500},
    {"Kerwin", 400},  {"Lumar", 300}, {"Ostin", 200}, {"Velko", 100},
};

bool isNameCharacter(std::int32_t code) {
    return code == ' ' || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
           (code >= 'a' && code <= 'z');
}

}  // namespace

HighscoreTable::HighscoreTable() { setDefaults(); }

void HighscoreTable::setDefaults() {
    std::memset(names, 0, sizeof names);
    std::memset(scores, 0, sizeof scores);
    count = 0;
    for (const auto& row : kBuiltInRows) {
        std::strncpy(names[count], row.name, kNameBytes - 1);
        scores[count] = row.score;
        ++count;
    }
    editRow = -1;
    editY = 0;
    inserted = false;
    done = false;
    resetEntry();
}

void HighscoreTable::resetEntry() {
    revealX = -1;
    revealFrames = 0;
    revealStart = 0;
    newScore = 0;
    inserted = false;
}

void HighscoreTable::release() {
    resetEntry();
    capturedFrame.reset();
    image.destroy();
}

bool HighscoreTable::isUncovered() const {
    const std::int32_t width = owner_ ? owner_->pictureWidth() : 640;
    return revealX >= width - 10;
}

void HighscoreTable::makeOffer() {
    for (std::int32_t i = 0; i < count; ++i) {
        if (scores[i] < newScore) {
            for (std::int32_t j = count - 1; j > i; --j) {
                std::memcpy(names[j], names[j - 1], kNameBytes);
                scores[j] = scores[j - 1];
            }
            std::memset(names[i], 0, kNameBytes);
            scores[i] = newScore;
            editRow = i;
            editY = kFirstRowY + kRowStep * i;
            return;
        }
    }
}

void HighscoreTable::onChar(std::int32_t code) {
    if (!isUncovered()) return;
    if (editRow < 0) {
        if (code == 13) done = true;
        return;
    }
    if (code != 8 && code != 13 && !isNameCharacter(code)) return;
    char* name = names[editRow];
    const std::size_t n = std::strlen(name);
    if (code == 13) {
        editRow = -1;
        editY = 0;
    } else if (code == 8) {
        if (n > 0) name[n - 1] = '\0';
    } else if (n < static_cast<std::size_t>(kNameBytes - 1)) {
        name[n] = static_cast<char>(code);
        name[n + 1] = '\0';
    }
}

bool HighscoreTable::load(const char*) { return false; }

bool HighscoreTable::save(const char* name) {
    // An empty name stores nothing and is no failure; anything else needs a store.
    return name == nullptr || name[0] == '\0';
}
