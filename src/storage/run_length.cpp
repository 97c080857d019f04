// Byte run-length packing of the player record: pairs of (value, run).
#include "storage/run_length.h"

#include <cstring>

namespace zel {

namespace {

// Calls f(value, length) for each maximal stretch of equal bytes, in record
// order; the pairs are these stretches cut into runs of at most 255.
template <typename F> void ForEachStretch(std::span<const uint8_t> record, F f) {
    const uint8_t *at = record.data();
    const uint8_t *const end = at + record.size();
    while (at < end) {
        const uint8_t value = *at;
        const uint64_t pattern = 0x0101010101010101ull * value;
        const uint8_t *stop = at + 1;
        // Eight bytes at a time: records are mostly long stretches of zeros.
        while (end - stop >= 8) {
            uint64_t word;
            std::memcpy(&word, stop, sizeof word);
            if (const uint64_t differ = word ^ pattern) {
                stop += __builtin_ctzll(differ) / 8; // little-endian: the first byte is the lowest
                goto found;
            }
            stop += 8;
        }
        while (stop < end && *stop == value)
            ++stop;
    found:
        f(value, static_cast<std::size_t>(stop - at));
        at = stop;
    }
}

} // namespace

std::vector<uint8_t> RunLengthPack(std::span<const uint8_t> record) {
    // Worst case two bytes a byte; only the pages written are ever touched.
    std::vector<uint8_t> stream;
    stream.reserve(2 * record.size());
    ForEachStretch(record, [&](uint8_t value, std::size_t length) {
        for (; length > 255; length -= 255) {
            stream.push_back(value);
            stream.push_back(255);
        }
        stream.push_back(value);
        stream.push_back(static_cast<uint8_t>(length));
    });
    return stream;
}

std::size_t RunLengthPackedSize(std::span<const uint8_t> record) {
    std::size_t pairs = 0;
    ForEachStretch(record, [&](uint8_t, std::size_t length) { pairs += (length + 254) / 255; });
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
    // Short runs are written as 16 bytes at once, so the buffer has 16 to spare.
    std::vector<uint8_t> record(total + 16);
    uint8_t *at = record.data();
    for (std::size_t i = 0; i < stream.size(); i += 2) {
        const uint8_t run = stream[i + 1];
        if (run <= 16)
            std::memset(at, stream[i], 16);
        else
            std::memset(at, stream[i], run);
        at += run;
    }
    record.resize(total);
    out.swap(record);
    return DecodeStatus::Ok;
}

} // namespace zel
