// shooter-pack: turns a gallery folder (manifest.json plus pictures and
// sounds) into the game's data archive and appends it to a game binary.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "gallery_packer.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: shooter-pack GALLERY-FOLDER GAME-BINARY OUTPUT\n"
                 "       shooter-pack --check GALLERY-FOLDER\n"
                 "       shooter-pack --zip GALLERY-FOLDER ARCHIVE.zip\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    const bool zipOnly = argc == 4 && std::strcmp(argv[1], "--zip") == 0;
    if (!check && !zipOnly && argc != 4) return usage();
    const std::string folder = (check || zipOnly) ? argv[2] : argv[1];
    try {
        const datatools::DataFiles files = datatools::packGallery(folder);
        if (check) {
            std::printf("%s: gallery is complete\n", folder.c_str());
            return 0;
        }
        const std::string output = argv[3];
        const datatools::Bytes archive = datatools::zipDataFiles(files, output + ".zip-partial");
        if (zipOnly)
            datatools::writeFile(output, archive);
        else
            datatools::writePlayable(argv[2], archive, output);
        return 0;
    } catch (const datatools::PackError& e) {
        std::fprintf(stderr, "shooter-pack: %s/%s\n", folder.c_str(), e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "shooter-pack: %s\n", e.what());
        return 1;
    }
}
