// Byte run-length packing of the player record: pairs of (value, run).
#include "storage/run_length.h"

namespace zel {

std::vector<uint8_t> RunLengthPack(std::span<const uint8_t> record) {
    std::vector<uint8_t> stream;
    stream.reserve(RunLengthPackedSize(record));
    for (uint8_t c : record) {
        if (stream.empty() || stream[stream.size() - 2] != c || stream.back() == 255) {
            stream.push_back(c);
            stream.push_back(0);
        }
        ++stream.back();
    }
    return stream;
}

std::size_t RunLengthPackedSize(std::span<const uint8_t> record) {
    std::size_t pairs = 0;
    unsigned run = 0;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (i == 0 || record[i] != record[i - 1] || run == 255) {
            ++pairs;
            run = 0;
        }
        ++run;
    }
    return 2 * pairs;
}

DecodeStatus RunLengthUnpack(std::span<const uint8_t> stream, std::size_t max_output,
                             std::vector<uint8_t> &out) {
    if (stream.size() % 2 != 0)
        return DecodeStatus::Corrupt;
    std::size_t total = 0;
    for (std::size_t i = 1; i < stream.size(); i += 2) {
        if (stream[i] == 0)
            return DecodeStatus::Corrupt;
        total += stream[i];
        if (total > max_output)
            return DecodeStatus::TooLarge;
    }
    std::vector<uint8_t> record;
    record.reserve(total);
    for (std::size_t i = 0; i < stream.size(); i += 2)
        record.insert(record.end(), stream[i + 1], stream[i]);
    out.swap(record);
    return DecodeStatus::Ok;
}

} // namespace zel
