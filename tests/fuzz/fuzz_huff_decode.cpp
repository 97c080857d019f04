// Fuzz target: HuffDecode with any code table, bit count, bits and output cap.
//
// Input: byte 0 is the entry count less one; bytes 1..8 the bit count and 9..10
// the output cap (little-endian); then the entries, 8 bytes each, as far as the
// input goes; the rest are the bits. The decoder is checked against the plain
// bit-by-bit reading of the codes and against an independent table check.
#include "fuzz_support.h"
#include "storage/huffman.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

namespace {

using zel::Code_Entry;
using Codes = std::map<std::string, uint8_t>;

// The codes as bit strings ("0110"), when any encoder could have written the table: lengths
// 1..16, clean code bits, no code the prefix of another (equal codes included).
std::optional<Codes> ValidCodes(const std::vector<Code_Entry> &table) {
    if (table.empty() || table.size() > 256)
        return {};
    Codes codes;
    for (const Code_Entry &e : table) {
        if (e.length < 1 || e.length > 16 || e.code > 0xFFFF || (e.code & ((1u << (16 - e.length)) - 1)) != 0)
            return {};
        std::string bits;
        for (int j = 0; j < e.length; ++j)
            bits += (e.code >> (15 - j)) & 1 ? '1' : '0';
        if (!codes.emplace(bits, e.symbol).second)
            return {};
    }
    for (auto it = codes.begin(); std::next(it) != codes.end(); ++it)
        if (std::next(it)->first.starts_with(it->first)) // a prefix sorts just before
            return {};
    return codes;
}

// Reads the codes one bit at a time, as the format describes: grow the candidate until some entry
// has that code and length. Stops after `limit` bytes; bits that start no code end the reading.
std::vector<uint8_t> ReferenceDecode(const Codes &codes, const uint8_t *bits, uint64_t bit_count,
                                     std::size_t limit) {
    std::vector<uint8_t> out;
    std::string candidate;
    for (uint64_t i = 0; i < bit_count && out.size() <= limit; ++i) {
        candidate += (bits[i / 8] >> (7 - i % 8)) & 1 ? '1' : '0';
        const auto it = codes.lower_bound(candidate);
        if (it == codes.end() || !it->first.starts_with(candidate))
            break;
        if (it->first == candidate) {
            out.push_back(it->second);
            candidate.clear();
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace zel;
    constexpr std::size_t kHeader = 11;
    if (size < kHeader)
        return 0;
    uint64_t bit_count = 0; // the file format is little-endian, and so is every machine it runs on
    std::memcpy(&bit_count, data + 1, 8);
    const std::size_t max_output = data[9] | data[10] << 8;
    const std::size_t entries = std::min(std::size_t(data[0]) + 1, (size - kHeader) / sizeof(Code_Entry));
    std::vector<Code_Entry> table(entries);
    if (entries > 0)
        std::memcpy(table.data(), data + kHeader, entries * sizeof(Code_Entry));
    const uint8_t *bits = data + kHeader + entries * sizeof(Code_Entry);
    const std::size_t nbits = size - kHeader - entries * sizeof(Code_Entry);

    std::vector<uint8_t> out{0xEE};
    const DecodeStatus status = HuffDecode(table, {bits, nbits}, bit_count, max_output, out);
    FUZZ_CHECK(status == DecodeStatus::Ok || out == std::vector<uint8_t>{0xEE});
    const bool fits = bit_count <= uint64_t(nbits) * 8;
    FUZZ_CHECK((status == DecodeStatus::Truncated) == !fits);
    const auto codes = ValidCodes(table);
    FUZZ_CHECK(!fits || (status == DecodeStatus::BadTable) == !codes);
    if (!fits || !codes)
        return 0;
    uint32_t space = 0; // every bit string has a code: the decoder can never meet bits it cannot read
    for (const Code_Entry &e : table)
        space += 1u << (16 - e.length);
    FUZZ_CHECK(status != DecodeStatus::Corrupt || space != 1u << 16);
    const std::vector<uint8_t> expected = ReferenceDecode(*codes, bits, bit_count, max_output);
    FUZZ_CHECK(status != DecodeStatus::TooLarge || expected.size() > max_output);
    FUZZ_CHECK(status != DecodeStatus::Ok || (out.size() <= max_output && out == expected));
    return 0;
}
