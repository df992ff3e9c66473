#include <cstddef>
#include <cstdint>

#include "archive_fuzz.h"
#include "image_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzArchive(data, size, walkRecords);
    fuzzArchive(data, size, readImages);  // the image readers and decoders
    return 0;
}
