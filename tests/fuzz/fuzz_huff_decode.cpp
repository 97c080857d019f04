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

namespace {

using zel::Code_Entry;

// The codes as bit strings ("0110"), the first entry of each code winning.
std::map<std::string, uint8_t> Codes(const std::vector<Code_Entry> &table) {
    std::map<std::string, uint8_t> codes;
    for (const Code_Entry &e : table) {
        std::string bits;
        for (int j = 0; j < e.length; ++j)
            bits += (e.code >> (15 - j)) & 1 ? '1' : '0';
        codes.emplace(bits, e.symbol);
    }
    return codes;
}

// What any encoder could have written: lengths 1..16, clean code bits, no
// code the prefix of another (equal codes included).
bool TableIsValid(const std::vector<Code_Entry> &table) {
    if (table.empty() || table.size() > 256)
        return false;
    for (const Code_Entry &e : table)
        if (e.length < 1 || e.length > 16 || e.code > 0xFFFF || (e.code & ((1u << (16 - e.length)) - 1)) != 0)
            return false;
    const auto codes = Codes(table);
    if (codes.size() != table.size())
        return false;
    for (auto it = codes.begin(); std::next(it) != codes.end(); ++it) // a prefix sorts just before
        if (std::next(it)->first.starts_with(it->first))
            return false;
    return true;
}

// Every bit string has a code: the decoder can never meet bits it cannot read.
bool TableIsComplete(const std::vector<Code_Entry> &table) {
    uint32_t space = 0;
    for (const Code_Entry &e : table)
        space += 1u << (16 - e.length);
    return space == 1u << 16;
}

// Reads the codes one bit at a time, as the format describes: grow the candidate until some entry
// has that code and length. Stops after `limit` bytes; bits that start no code end the reading.
std::vector<uint8_t> ReferenceDecode(const std::vector<Code_Entry> &table, const uint8_t *bits,
                                     uint64_t bit_count, std::size_t limit) {
    const auto codes = Codes(table);
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
    if (status != DecodeStatus::Ok)
        FUZZ_CHECK(out == std::vector<uint8_t>{0xEE});
    const bool fits = bit_count <= uint64_t(nbits) * 8;
    FUZZ_CHECK((status == DecodeStatus::Truncated) == !fits);
    if (!fits)
        return 0;
    FUZZ_CHECK((status == DecodeStatus::BadTable) == !TableIsValid(table));
    if (status == DecodeStatus::TooLarge)
        FUZZ_CHECK(ReferenceDecode(table, bits, bit_count, max_output).size() > max_output);
    if (status == DecodeStatus::Corrupt)
        FUZZ_CHECK(!TableIsComplete(table));
    if (status != DecodeStatus::Ok)
        return 0;
    FUZZ_CHECK(out.size() <= max_output);
    FUZZ_CHECK(out == ReferenceDecode(table, bits, bit_count, max_output));
    return 0;
}
