#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_buffer.h"

namespace datatools {

// A data file is a plain run of records: two tag bytes, a u32 little-endian
// payload length, the payload. No header, no count, no end marker.
struct Record {
    std::string tag;
    Bytes payload;
};

class RecordWriter {
public:
    void add(const std::string& tag, const Bytes& payload);
    void addEmpty(const std::string& tag) { add(tag, Bytes()); }
    void addU32(const std::string& tag, std::uint32_t value);
    // Appends records that another writer already laid out.
    void addRaw(const Bytes& records) { data_.insert(data_.end(), records.begin(), records.end()); }
    const Bytes& bytes() const { return data_; }

private:
    Bytes data_;
};

// Splits a data file into its records; throws std::runtime_error when a
// record runs past the end of the data.
std::vector<Record> splitRecords(const Bytes& data);

}  // namespace datatools
