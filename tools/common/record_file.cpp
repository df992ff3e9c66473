#include "record_file.h"

#include <stdexcept>

namespace datatools {

void RecordWriter::add(const std::string& tag, const Bytes& payload) {
    if (tag.size() != 2) throw std::runtime_error("record tag must be two characters: " + tag);
    data_.push_back(static_cast<std::uint8_t>(tag[0]));
    data_.push_back(static_cast<std::uint8_t>(tag[1]));
    appendU32(data_, static_cast<std::uint32_t>(payload.size()));
    data_.insert(data_.end(), payload.begin(), payload.end());
}

void RecordWriter::addU32(const std::string& tag, std::uint32_t value) {
    Bytes payload;
    appendU32(payload, value);
    add(tag, payload);
}

std::vector<Record> splitRecords(const Bytes& data) {
    std::vector<Record> records;
    std::size_t pos = 0;
    while (pos < data.size()) {
        if (data.size() - pos < 6) throw std::runtime_error("truncated record header at offset " + std::to_string(pos));
        Record record;
        record.tag.assign(reinterpret_cast<const char*>(&data[pos]), 2);
        const std::uint32_t length = loadU32(&data[pos + 2]);
        pos += 6;
        if (length > data.size() - pos)
            throw std::runtime_error("record \"" + record.tag + "\" at offset " + std::to_string(pos - 6) +
                                     " runs past the end of the data");
        record.payload.assign(data.begin() + static_cast<std::ptrdiff_t>(pos),
                              data.begin() + static_cast<std::ptrdiff_t>(pos + length));
        pos += length;
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace datatools
