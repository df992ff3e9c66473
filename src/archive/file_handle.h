#pragma once

#include <cstdio>
#include <memory>

// An owned C runtime file stream. Whoever holds it closes it, exactly once.
struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;
