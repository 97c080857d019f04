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

std::vector<Entry> EightEqual() {
    std::vector<Entry> out;
    for (int v = 0; v < 8; ++v)
        out.push_back({uint32_t(v) << 13, 3, v});
    return out;
}

TEST(HuffEncode, tablesAndBitsAreExact) {
    const struct {
        const char *what;
        std::vector<uint8_t> input;
        std::vector<Entry> table;
        uint64_t bit_count;
        std::vector<uint8_t> bits;
    } cases[] = {
        {"worked example", Bytes("abca"), {{0x0000, 1, 'a'}, {0x8000, 2, 'b'}, {0xC000, 2, 'c'}}, 6, {0x58}},
        // Equal counts pair values in ascending order; 24 bits need no padding byte.
        {"eight ties", {7, 3, 0, 5, 1, 6, 2, 4}, EightEqual(), 24, {0xEC, 0x53, 0x94}},
        // 0 is an ordinary symbol; 1 is picked first and becomes the left child.
        {"zero and padding", {0, 0, 1}, {{0x0000, 1, 1}, {0x8000, 1, 0}}, 3, {0xC0}},
        // (a,b)=N1(2); leaves c and d beat the equal N1; then N1 and N2 in the order made.
        {"leaf beats node",
         Bytes("abccdd"),
         {{0x0000, 2, 'a'}, {0x4000, 2, 'b'}, {0x8000, 2, 'c'}, {0xC000, 2, 'd'}},
         12,
         {0x1A, 0xF0}},
        {"one value", std::vector<uint8_t>(9, 0x42), {{0, 1, 0x42}}, 9, {0, 0}},
        {"empty", {}, {}, 0, {}},
    };
    for (const auto &c : cases) {
        const Huff_Encoded e = HuffEncode(c.input);
        EXPECT_EQ(Entries(e), c.table) << c.what;
        EXPECT_EQ(e.bit_count, c.bit_count) << c.what;
        EXPECT_EQ(e.bits, c.bits) << c.what;
        std::vector<uint8_t> out;
        ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, 100, out),
                  c.input.empty() ? DecodeStatus::BadTable : DecodeStatus::Ok)
            << c.what;
        if (!c.input.empty()) {
            EXPECT_EQ(out, c.input) << c.what;
        }
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
    std::vector<uint8_t> out;
    ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok);
    EXPECT_EQ(out, input);
}

TEST(HuffDecode, trailingBitsAndBounds) {
    const Huff_Encoded e = HuffEncode(Bytes("abca"));
    std::vector<uint8_t> out;
    // "abca" then the first bit of b's code "10": dropped.
    ASSERT_EQ(HuffDecode(e.table, std::vector<uint8_t>{0x5A}, 7, 100, out), DecodeStatus::Ok);
    EXPECT_EQ(out, Bytes("abca"));
    // Padding bits past the count are ignored even when they are not zero.
    ASSERT_EQ(HuffDecode(e.table, std::vector<uint8_t>{0x5B}, 6, 100, out), DecodeStatus::Ok);
    EXPECT_EQ(out, Bytes("abca"));
    EXPECT_EQ(HuffDecode(e.table, e.bits, 9, 100, out), DecodeStatus::Truncated);
    EXPECT_EQ(HuffDecode(e.table, e.bits, 6, 3, out), DecodeStatus::TooLarge);
    // With an incomplete table a 1 bit matches nothing.
    const std::vector<Code_Entry> half{{0x0000, 1, 'a', 0}};
    EXPECT_EQ(HuffDecode(half, std::vector<uint8_t>{0x40}, 8, 100, out), DecodeStatus::Corrupt);
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
    for (const auto &c : cases) {
        std::vector<uint8_t> out{1, 2, 3};
        EXPECT_EQ(HuffDecode(c.table, std::vector<uint8_t>{0}, 8, 100, out), DecodeStatus::BadTable)
            << c.what;
        EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3})) << c.what;
    }
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
}

} // namespace
} // namespace zel
