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

namespace {

using zel::Code_Entry;

// What any encoder could have written: lengths 1..16, clean code bits, no
// code the prefix of another (equal codes included).
bool TableIsValid(const std::vector<Code_Entry> &table) {
    if (table.empty() || table.size() > 256)
        return false;
    for (const Code_Entry &e : table) {
        if (e.length < 1 || e.length > 16 || e.code > 0xFFFF || (e.code & ((1u << (16 - e.length)) - 1)) != 0)
            return false;
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = 0; j < table.size(); ++j) {
            if (i == j || table[i].length > table[j].length)
                continue;
            const uint32_t mask = (0xFFFFu << (16 - table[i].length)) & 0xFFFF;
            if ((table[j].code & mask) == table[i].code)
                return false;
        }
    }
    return true;
}

// Every bit string has a code: the decoder can never meet bits it cannot read.
bool TableIsComplete(const std::vector<Code_Entry> &table) {
    uint32_t space = 0;
    for (const Code_Entry &e : table)
        space += 1u << (16 - e.length);
    return space == 1u << 16;
}

// Reads the codes one bit at a time, as the format describes: grow the
// candidate until some entry has that code and length (a walk down the code
// tree, the first entry winning). Stops after `limit` bytes.
std::vector<uint8_t> ReferenceDecode(const std::vector<Code_Entry> &table, const uint8_t *bits,
                                     uint64_t bit_count, std::size_t limit) {
    struct Node {
        int child[2] = {-1, -1};
        int symbol = -1;
    };
    std::vector<Node> tree(1);
    for (const Code_Entry &e : table) {
        int at = 0;
        for (int j = 0; j < e.length; ++j) {
            const int bit = (e.code >> (15 - j)) & 1;
            if (tree[at].child[bit] < 0) {
                tree[at].child[bit] = static_cast<int>(tree.size());
                tree.emplace_back();
            }
            at = tree[at].child[bit];
        }
        if (tree[at].symbol < 0)
            tree[at].symbol = e.symbol;
    }
    std::vector<uint8_t> out;
    int at = 0;
    for (uint64_t i = 0; i < bit_count && out.size() <= limit; ++i) {
        at = tree[at].child[(bits[i / 8] >> (7 - i % 8)) & 1];
        if (at < 0)
            break; // no code goes on this way: the rest is dropped
        if (tree[at].symbol >= 0) {
            out.push_back(static_cast<uint8_t>(tree[at].symbol));
            at = 0;
        }
    }
    return out;
}

uint64_t Le(const uint8_t *p, int bytes) {
    uint64_t v = 0;
    for (int i = bytes; i-- > 0;)
        v = v << 8 | p[i];
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace zel;
    constexpr std::size_t kHeader = 11;
    if (size < kHeader)
        return 0;
    const std::size_t wanted = std::size_t(data[0]) + 1;
    const uint64_t bit_count = Le(data + 1, 8);
    const std::size_t max_output = static_cast<std::size_t>(Le(data + 9, 2));
    const std::size_t entries = std::min(wanted, (size - kHeader) / sizeof(Code_Entry));
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
    switch (status) {
    case DecodeStatus::Ok: {
        FUZZ_CHECK(out.size() <= max_output);
        FUZZ_CHECK(out == ReferenceDecode(table, bits, bit_count, max_output));
        // Whatever came out codes and decodes back to itself. (Nothing codes
        // as an empty table, which no file holds and the decoder refuses.)
        if (out.empty())
            break;
        const Huff_Encoded e = HuffEncode(out);
        for (const Code_Entry &c : e.table)
            FUZZ_CHECK(c.length >= 1 && c.length <= kMaxCodeLength && c.zero == 0);
        std::vector<uint8_t> again;
        FUZZ_CHECK(HuffDecode(e.table, e.bits, e.bit_count, out.size(), again) == DecodeStatus::Ok);
        FUZZ_CHECK(again == out);
        break;
    }
    case DecodeStatus::TooLarge:
        FUZZ_CHECK(ReferenceDecode(table, bits, bit_count, max_output).size() > max_output);
        break;
    case DecodeStatus::Corrupt:
        FUZZ_CHECK(!TableIsComplete(table));
        break;
    default:
        break;
    }
    return 0;
}
