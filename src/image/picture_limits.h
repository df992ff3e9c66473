#pragma once

#include <cstdint>

// No picture of the game comes near this; a header that claims more is
// damaged or hostile, and is refused before anything is allocated for it.
constexpr std::uint32_t kMaxPictureSide = 8192;
