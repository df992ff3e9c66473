#pragma once

#include <cstdint>

// How far the landscape moves when the mouse nears an edge: the picture is cut
// into 100-pixel bands from its centre, and the band number k moves it by
// k^3 pixels per 20 milliseconds.
std::int32_t edgeScrollBand(std::int32_t mouseX, std::int32_t width);
std::int32_t edgeScrollStep(std::int32_t mouseX, std::int32_t width, std::uint32_t elapsed);
