#include <cstdio>
#include <stdexcept>

#include <minizip/zip.h>

#include "gallery_packer.h"

namespace datatools {

Bytes zipDataFiles(const DataFiles& files, const std::string& scratchPath) {
    zipFile zip = zipOpen64(scratchPath.c_str(), APPEND_STATUS_CREATE);
    if (!zip) throw std::runtime_error(scratchPath + ": cannot create the archive");
    bool ok = true;
    for (const auto& [name, data] : files) {
        // A fixed date keeps the archive byte-identical from build to build.
        zip_fileinfo info{};
        info.tmz_date.tm_year = 2024;
        info.tmz_date.tm_mon = 0;
        info.tmz_date.tm_mday = 1;
        info.tmz_date.tm_hour = 12;
        ok = ok && zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    ok = zipClose(zip, nullptr) == ZIP_OK && ok;
    if (!ok) {
        std::remove(scratchPath.c_str());
        throw std::runtime_error(scratchPath + ": writing the archive failed");
    }
    Bytes archive = readFile(scratchPath);
    std::remove(scratchPath.c_str());
    return archive;
}

}  // namespace datatools
