#pragma once

#include <cstddef>

// Copies the command line without its double quotes into a buffer of `size`
// bytes. A line that does not fit is refused: the buffer is left empty and the
// result is false, so the program finds no data rather than a cut-off path.
bool copyCommandLine(const char* source, char* buffer, std::size_t size);
