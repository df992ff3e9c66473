#include "packed_archive.h"

#include <stdexcept>

#include <minizip/unzip.h>

std::map<std::string, datatools::Bytes> readPackedEntries(const std::string& executable) {
    unzFile zip = unzOpen64(executable.c_str());
    if (!zip) throw std::runtime_error(executable + ": no archive found");
    std::map<std::string, datatools::Bytes> entries;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        char name[256] = {};
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        datatools::Bytes data(static_cast<std::size_t>(info.uncompressed_size));
        if (unzOpenCurrentFile(zip) != UNZ_OK) break;
        const int read = data.empty() ? 0 : unzReadCurrentFile(zip, data.data(), static_cast<unsigned>(data.size()));
        unzCloseCurrentFile(zip);
        if (read != static_cast<int>(data.size())) {
            unzClose(zip);
            throw std::runtime_error(std::string(name) + ": short read");
        }
        entries[name] = std::move(data);
    }
    unzClose(zip);
    return entries;
}
