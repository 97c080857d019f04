// The Huffman codec: exact tables and bits, tie rules, hostile tables.
#include "storage/huffman.h"

#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

namespace zel {
namespace {

std::vector<uint8_t> Bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

struct Entry {
    uint32_t code;
    int length;
    int symbol;
    bool operator==(const Entry &) const = default;
};

std::vector<Entry> Entries(const Huff_Encoded &e) {
    std::vector<Entry> out;
    for (const Code_Entry &c : e.table) {
        EXPECT_EQ(c.zero, 0);
        out.push_back({c.code, c.length, c.symbol});
    }
    return out;
}

// The decoder as first written: grow the candidate length bit by bit and scan
// the table for an entry of that code and length. Slow, but obviously faithful.
std::vector<uint8_t> ReferenceDecode(const std::vector<Code_Entry> &table, const std::vector<uint8_t> &bits,
                                     uint64_t bit_count) {
    std::vector<uint8_t> out;
    uint64_t start = 0;
    int length = 1;
    for (uint64_t i = 0; i < bit_count; ++i) {
        uint32_t value = 0;
        for (int j = 0; j < length && j < 16; ++j) {
            const uint64_t p = start + j;
            if ((bits[p / 8] >> (7 - p % 8)) & 1)
                value |= 1u << (15 - j);
        }
        bool found = false;
        for (const Code_Entry &e : table) {
            if (e.code == value && e.length == length) {
                out.push_back(e.symbol);
                found = true;
                break;
            }
        }
        if (found) {
            start = i + 1;
            length = 1;
        } else {
            ++length;
        }
    }
    return out;
}

int MaxLength(const Huff_Encoded &e) {
    int m = 0;
    for (const Code_Entry &c : e.table)
        m = std::max<int>(m, c.length);
    return m;
}

TEST(HuffEncode, workedExampleIsBitExact) {
    const Huff_Encoded e = HuffEncode(Bytes("abca"));
    EXPECT_EQ(Entries(e), (std::vector<Entry>{{0x0000, 1, 'a'}, {0x8000, 2, 'b'}, {0xC000, 2, 'c'}}));
    EXPECT_EQ(e.bit_count, 6u);
    EXPECT_EQ(e.bits, std::vector<uint8_t>{0x58});
}

TEST(HuffEncode, equalCountsPairValuesInAscendingOrder) {
    const Huff_Encoded e = HuffEncode(std::vector<uint8_t>{7, 3, 0, 5, 1, 6, 2, 4});
    std::vector<Entry> expected;
    for (int v = 0; v < 8; ++v)
        expected.push_back({uint32_t(v) << 13, 3, v});
    EXPECT_EQ(Entries(e), expected);
    // 24 bits fill three bytes exactly: no padding byte.
    EXPECT_EQ(e.bit_count, 24u);
    EXPECT_EQ(e.bits, (std::vector<uint8_t>{0xEC, 0x53, 0x94}));
}

TEST(HuffEncode, zeroIsAnOrdinarySymbolAndTheLastByteIsPadded) {
    // 0 occurs twice, 1 once: 1 is picked first and becomes the left child.
    const Huff_Encoded e = HuffEncode(std::vector<uint8_t>{0, 0, 1});
    EXPECT_EQ(Entries(e), (std::vector<Entry>{{0x0000, 1, 1}, {0x8000, 1, 0}}));
    EXPECT_EQ(e.bit_count, 3u);
    EXPECT_EQ(e.bits, std::vector<uint8_t>{0xC0});
}

TEST(HuffEncode, aLeafBeatsAnEqualInternalNodeAndOlderNodesBeatNewer) {
    // Counts a=1 b=1 c=2 d=2: (a,b)=N1(2); then leaves c and d beat N1: N2=(c,d);
    // then N1 and N2 in the order they were made.
    const Huff_Encoded e = HuffEncode(Bytes("abccdd"));
    EXPECT_EQ(Entries(e),
              (std::vector<Entry>{{0x0000, 2, 'a'}, {0x4000, 2, 'b'}, {0x8000, 2, 'c'}, {0xC000, 2, 'd'}}));
}

TEST(HuffEncode, degenerateInputs) {
    const Huff_Encoded empty = HuffEncode({});
    EXPECT_TRUE(empty.table.empty());
    EXPECT_EQ(empty.bit_count, 0u);
    EXPECT_TRUE(empty.bits.empty());

    const Huff_Encoded one = HuffEncode(std::vector<uint8_t>(9, 0x42));
    EXPECT_EQ(Entries(one), (std::vector<Entry>{{0, 1, 0x42}}));
    EXPECT_EQ(one.bit_count, 9u);
    EXPECT_EQ(one.bits, (std::vector<uint8_t>{0, 0}));
    std::vector<uint8_t> out;
    ASSERT_EQ(HuffDecode(one.table, one.bits, one.bit_count, 100, out), DecodeStatus::Ok);
    EXPECT_EQ(out, std::vector<uint8_t>(9, 0x42));
}

TEST(HuffEncode, equalCountsGiveLengthsDifferingByAtMostOne) {
    for (int symbols : {3, 5, 6, 100, 256}) {
        std::vector<uint8_t> input;
        for (int rep = 0; rep < 3; ++rep)
            for (int v = 0; v < symbols; ++v)
                input.push_back(static_cast<uint8_t>(v));
        const Huff_Encoded e = HuffEncode(input);
        int lo = 99, hi = 0;
        for (const Code_Entry &c : e.table) {
            lo = std::min<int>(lo, c.length);
            hi = std::max<int>(hi, c.length);
        }
        EXPECT_LE(hi - lo, 1) << symbols;
    }
}

TEST(HuffEncode, deepTreesAreRebuiltFromHalvedCounts) {
    // Fibonacci counts make the deepest possible tree: 24 levels for 25 symbols.
    std::vector<uint8_t> input, halved;
    uint64_t a = 1, b = 1;
    for (int v = 0; v < 25; ++v) {
        input.insert(input.end(), a, static_cast<uint8_t>(v));
        halved.insert(halved.end(), (a + 1) / 2, static_cast<uint8_t>(v));
        const uint64_t c = a + b;
        a = b;
        b = c;
    }
    ASSERT_EQ(test::UnflattenedDepth(input), 24);
    ASSERT_LE(test::UnflattenedDepth(halved), kMaxCodeLength);
    const Huff_Encoded e = HuffEncode(input);
    // The table is the one the halved counts give at their first build.
    EXPECT_EQ(Entries(e), Entries(HuffEncode(halved)));
    EXPECT_LE(MaxLength(e), kMaxCodeLength);
    std::vector<uint8_t> out;
    ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok);
    EXPECT_EQ(out, input);
}

TEST(HuffDecode, agreesWithTheReferenceDecoderOnRandomInputs) {
    std::mt19937 rng(12345);
    for (int round = 0; round < 60; ++round) {
        const int alphabet = 1 + static_cast<int>(rng() % 256);
        std::vector<uint8_t> input(1 + rng() % 3000);
        // Skewed: many small values, a few rare ones, like a run-length stream.
        for (uint8_t &b : input)
            b = static_cast<uint8_t>(std::min<unsigned>(rng() % alphabet, rng() % alphabet));
        const Huff_Encoded e = HuffEncode(input);
        std::vector<uint8_t> out;
        ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok);
        EXPECT_EQ(out, input);
        EXPECT_EQ(ReferenceDecode(e.table, e.bits, e.bit_count), input);
    }
}

TEST(HuffDecode, dropsTrailingBitsThatOnlyStartACode) {
    const Huff_Encoded e = HuffEncode(Bytes("abca"));
    // "abca" then the first bit of b's code "10".
    std::vector<uint8_t> bits{0x5A};
    std::vector<uint8_t> out;
    ASSERT_EQ(HuffDecode(e.table, bits, 7, 100, out), DecodeStatus::Ok);
    EXPECT_EQ(out, Bytes("abca"));
    EXPECT_EQ(ReferenceDecode(e.table, bits, 7), Bytes("abca"));
    // Padding bits past the count are ignored even when they are not zero.
    bits = {0x5B};
    ASSERT_EQ(HuffDecode(e.table, bits, 6, 100, out), DecodeStatus::Ok);
    EXPECT_EQ(out, Bytes("abca"));
}

TEST(HuffDecode, refusesTablesNoEncoderWrites) {
    using T = std::vector<Code_Entry>;
    const struct {
        const char *what;
        T table;
    } cases[] = {
        {"empty", {}},
        {"length 0", {{0x0000, 0, 'a', 0}, {0x8000, 1, 'b', 0}}},
        {"length 17", {{0x0000, 1, 'a', 0}, {0x8000, 17, 'b', 0}}},
        {"negative length", {{0x0000, 1, 'a', 0}, {0x8000, -1, 'b', 0}}},
        {"bits above 16", {{0x10000, 1, 'a', 0}, {0x8000, 1, 'b', 0}}},
        {"bits below the code", {{0x4000, 1, 'a', 0}, {0x8000, 1, 'b', 0}}},
        {"duplicate code", {{0x0000, 1, 'a', 0}, {0x0000, 1, 'b', 0}}},
        {"prefix of another", {{0x0000, 1, 'a', 0}, {0x4000, 2, 'b', 0}}},
        {"257 entries", T(257, {0x0000, 1, 'a', 0})},
    };
    const std::vector<uint8_t> bits{0x00};
    for (const auto &c : cases) {
        std::vector<uint8_t> out{1, 2, 3};
        EXPECT_EQ(HuffDecode(c.table, bits, 8, 100, out), DecodeStatus::BadTable) << c.what;
        EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3})) << c.what;
    }
}

TEST(HuffDecode, refusesStreamsThatBreakTheirBounds) {
    const Huff_Encoded e = HuffEncode(Bytes("abca"));
    std::vector<uint8_t> out;
    EXPECT_EQ(HuffDecode(e.table, e.bits, 9, 100, out), DecodeStatus::Truncated);
    EXPECT_EQ(HuffDecode(e.table, e.bits, 6, 3, out), DecodeStatus::TooLarge);
    EXPECT_EQ(HuffDecode(e.table, e.bits, 6, 4, out), DecodeStatus::Ok);

    // With an incomplete table a 1 bit matches nothing.
    const std::vector<Code_Entry> half{{0x0000, 1, 'a', 0}};
    EXPECT_EQ(HuffDecode(half, std::vector<uint8_t>{0x40}, 8, 100, out), DecodeStatus::Corrupt);
}

TEST(HuffDecode, aMegabyteDecodesQuickly) {
    std::mt19937 rng(7);
    std::vector<uint8_t> input(1 << 20);
    for (uint8_t &b : input)
        b = static_cast<uint8_t>(rng() % 7 == 0 ? rng() % 256 : rng() % 4);
    const Huff_Encoded e = HuffEncode(input);
    std::vector<uint8_t> out;
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_EQ(out, input);
    // Milliseconds in a release build; the bound leaves room for sanitizers.
    EXPECT_LT(ms, 2000);
    RecordProperty("decode_ms", static_cast<int>(ms));
}

TEST(PickMinNode, firstOfTheSmallestPositiveWins) {
    EXPECT_EQ(PickMinNode(std::vector<int64_t>{0, 3, 2, 0, 2, 5}), 2);
    EXPECT_EQ(PickMinNode(std::vector<int64_t>{0, 0, 0}), -1);
    EXPECT_EQ(PickMinNode(std::vector<int64_t>{}), -1);
    EXPECT_EQ(PickMinNode(std::vector<int64_t>{4}), 0);
}

} // namespace
} // namespace zel
