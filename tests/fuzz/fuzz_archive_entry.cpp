#include <cstddef>
#include <cstdint>

#include "archive_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzArchive(data, size, walkRecords);
    return 0;
}
