#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "byte_buffer.h"

namespace datatools {

// A problem in a gallery folder. The text names the file (or manifest field)
// and says what is wrong with it.
class PackError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The seven data files of the game, in the order they go into the archive.
using DataFiles = std::vector<std::pair<std::string, Bytes>>;

// Reads folder/manifest.json and everything it names, checks it all and
// builds the data files. Throws PackError on the first problem.
DataFiles packGallery(const std::string& folder);

// The data files as a deflated ZIP archive with fixed timestamps.
Bytes zipDataFiles(const DataFiles& files, const std::string& scratchPath);

// Writes output = game binary followed by the archive, executable.
void writePlayable(const std::string& gameBinary, const Bytes& archive, const std::string& output);

}  // namespace datatools
