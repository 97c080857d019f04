// Static Huffman codec of the player file: code table, packing, decoding.
#pragma once

#include "storage/decode_status.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zel {

// One entry of the code table, written to the file as it is in memory.
struct Code_Entry {
    // The code's bits left-aligned in the low 16 bits: the first bit of the code
    // is bit 15. Bits below the code and bits 16..31 are zero.
    uint32_t code;
    int8_t length; // 1..16 bits
    uint8_t symbol;
    uint16_t zero;
};

static_assert(sizeof(Code_Entry) == 8);
static_assert(offsetof(Code_Entry, code) == 0);
static_assert(offsetof(Code_Entry, length) == 4);
static_assert(offsetof(Code_Entry, symbol) == 5);
static_assert(offsetof(Code_Entry, zero) == 6);

inline constexpr int kMaxCodeLength = 16;

struct Huff_Encoded {
    // Entries in the order a depth-first, left-first walk of the tree meets the
    // leaves; one per byte value present. Empty for an empty input.
    std::vector<Code_Entry> table;
    // Codes packed most significant bit first; the last byte is padded with 0 bits.
    std::vector<uint8_t> bits;
    uint64_t bit_count = 0;
};

// The index of the node to merge next in a node list given by its frequencies:
// the first positive frequency strictly smaller than every one before it, so on
// a tie the node nearer the front wins. -1 when no frequency is positive.
int PickMinNode(std::span<const int64_t> frequencies);

// Builds the tree by repeatedly merging the two nodes PickMinNode chooses (the
// list holds the 256 leaves in byte order, new internal nodes are appended).
// Trees deeper than 16 cannot be stored: then every non-zero count c becomes
// (c + 1) / 2 and the tree is built again by the same rules, until it fits.
// Inputs whose first tree fits are unaffected. One distinct byte value gives a
// one-entry table (code 0, one bit per byte).
Huff_Encoded HuffEncode(std::span<const uint8_t> input);

// Decodes bit_count bits of `bits` with `table` into `out` (replaced only on Ok).
// The table must be prefix-free with lengths 1..16 and clean code bits (BadTable
// otherwise); bits that match no code are Corrupt; trailing bits that only start
// a code are dropped. More than max_output bytes is TooLarge.
[[nodiscard]] DecodeStatus HuffDecode(std::span<const Code_Entry> table, std::span<const uint8_t> bits,
                                      uint64_t bit_count, std::size_t max_output, std::vector<uint8_t> &out);

} // namespace zel
