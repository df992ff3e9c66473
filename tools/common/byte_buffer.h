#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datatools {

using Bytes = std::vector<std::uint8_t>;

// Whole-file reads and writes. Both throw std::runtime_error naming the path.
Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& data);

void appendU16(Bytes& out, std::uint16_t value);
void appendU32(Bytes& out, std::uint32_t value);
std::uint32_t loadU32(const std::uint8_t* p);

}  // namespace datatools
