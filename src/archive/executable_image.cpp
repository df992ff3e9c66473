#include "archive/executable_image.h"

#include <climits>

#include "platform/game_error.h"

void seekTo(std::FILE* file, std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(LONG_MAX) ||
        std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) {
        throw GameError();
    }
}
