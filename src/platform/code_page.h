#pragma once

#include <string>

namespace platform {

// The game's texts and typed characters are Windows-1252 bytes; the platform
// libraries speak UTF-8.
std::string cp1252ToUtf8(const std::string& text);
// Characters the code page lacks become '?'; malformed UTF-8 bytes are skipped.
std::string utf8ToCp1252(const std::string& text);

}  // namespace platform
