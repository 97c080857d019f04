// The Huffman codec and the run-length packing: exact tables and bits, tie rules, hostile input.
#include "storage/huffman.h"
#include "storage/run_length.h"

#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

namespace zel {
namespace {

using Bytes = std::vector<uint8_t>;

// Each entry as "code/length/symbol"; the padding field must stay 0.
std::vector<std::string> Entries(const Huff_Encoded &e) {
    std::vector<std::string> out;
    for (const Code_Entry &c : e.table) {
        EXPECT_EQ(c.zero, 0);
        out.push_back(std::to_string(c.code) + "/" + std::to_string(c.length) + "/" +
                      std::to_string(c.symbol));
    }
    return out;
}

TEST(HuffEncode, tablesAndBitsAreExact) {
    const struct {
        const char *what;
        Bytes input;
        std::vector<std::string> table;
        Bytes bits;
        uint64_t bit_count;
    } cases[] = {
        {"worked example", {'a', 'b', 'c', 'a'}, {"0/1/97", "32768/2/98", "49152/2/99"}, {0x58}, 6},
        // Equal counts pair values in ascending order; 24 bits need no padding byte.
        {"eight ties",
         {7, 3, 0, 5, 1, 6, 2, 4},
         {"0/3/0", "8192/3/1", "16384/3/2", "24576/3/3", "32768/3/4", "40960/3/5", "49152/3/6", "57344/3/7"},
         {0xEC, 0x53, 0x94},
         24},
        // 0 is an ordinary symbol; 1 is picked first and becomes the left child.
        {"zero and padding", {0, 0, 1}, {"0/1/1", "32768/1/0"}, {0xC0}, 3},
        // (a,b)=N1(2); leaves c and d beat the equal N1; then N1 and N2 in the order made.
        {"leaf beats node",
         {'a', 'b', 'c', 'c', 'd', 'd'},
         {"0/2/97", "16384/2/98", "32768/2/99", "49152/2/100"},
         {0x1A, 0xF0},
         12},
        {"one value", Bytes(9, 0x42), {"0/1/66"}, {0, 0}, 9},
        {"empty", {}, {}, {}, 0},
    };
    for (const auto &c : cases) {
        const Huff_Encoded e = HuffEncode(c.input);
        EXPECT_EQ(Entries(e), c.table) << c.what;
        EXPECT_EQ(e.bits, c.bits) << c.what;
        EXPECT_EQ(e.bit_count, c.bit_count) << c.what;
        Bytes out;
        EXPECT_EQ(HuffDecode(e.table, e.bits, e.bit_count, 100, out),
                  c.input.empty() ? DecodeStatus::BadTable : DecodeStatus::Ok)
            << c.what;
        EXPECT_EQ(out, c.input) << c.what;
    }
}

// The same bytes with every count c made (c + 1) / 2.
Bytes Halved(const Bytes &input) {
    std::array<uint64_t, 256> counts{};
    for (uint8_t b : input)
        ++counts[b];
    Bytes out;
    for (int v = 0; v < 256; ++v)
        out.insert(out.end(), (counts[v] + 1) / 2, static_cast<uint8_t>(v));
    return out;
}

TEST(HuffEncode, treesTooDeepAreRebuiltFromHalvedCountsUntilTheyFit) {
    // Fibonacci counts make the deepest trees: n symbols, n - 1 levels. Halving the counts of 25
    // once gives 13 levels; 33 need two halvings (32, 17, then 16 levels).
    for (const int n : {25, 33}) {
        Bytes input;
        for (uint64_t v = 0, a = 1, b = 1; v < uint64_t(n); ++v, b += a, a = b - a)
            input.insert(input.end(), a, static_cast<uint8_t>(v));
        const Huff_Encoded e = HuffEncode(input);
        EXPECT_EQ(Entries(e), Entries(HuffEncode(Halved(input)))) << n;
        Bytes out; // a code over 16 bits is refused
        ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok);
        EXPECT_TRUE(out == input) << n;
    }
}

// Hostile tables and bit counts: tests/data/fuzz/huff_decode (the fuzz target checks them).
TEST(HuffDecode, refusesMoreThan256Entries) {
    std::vector<uint8_t> out{1};
    EXPECT_EQ(HuffDecode(std::vector<Code_Entry>(257, {0x0000, 1, 'a', 0}), Bytes{0}, 8, 100, out),
              DecodeStatus::BadTable);
    EXPECT_EQ(out, Bytes{1});
}

TEST(RunLength, packsRunsUpTo255AndRefusesMalformedStreams) {
    const struct {
        Bytes record, stream;
    } packed[] = {
        {{5, 5, 5, 0, 0, 7}, {5, 3, 0, 2, 7, 1}},
        {Bytes(300, 9), {9, 255, 9, 45}},
        {Bytes(255, 0), {0, 255}},
        {{1, 2, 1}, {1, 1, 2, 1, 1, 1}},
    };
    for (const auto &c : packed) {
        EXPECT_EQ(RunLengthPack(c.record), c.stream);
        EXPECT_EQ(RunLengthPackedSize(c.record), c.stream.size());
        Bytes back;
        ASSERT_EQ(RunLengthUnpack(c.stream, 1 << 20, back), DecodeStatus::Ok);
        EXPECT_EQ(back, c.record);
    }
    const struct {
        Bytes stream;
        std::size_t cap;
        DecodeStatus status;
    } refused[] = {
        {{5}, 100, DecodeStatus::Corrupt},
        {{5, 3, 6, 0}, 100, DecodeStatus::Corrupt},
        {{5, 255, 6, 255}, 509, DecodeStatus::TooLarge},
    };
    for (const auto &c : refused) {
        Bytes out{42};
        EXPECT_EQ(RunLengthUnpack(c.stream, c.cap, out), c.status);
        EXPECT_EQ(out, Bytes{42});
    }
}

TEST(HuffDecode, aMegabyteDecodesQuickly) {
    std::mt19937 rng(7);
    Bytes input(1 << 20);
    for (uint8_t &b : input)
        b = static_cast<uint8_t>(rng() % 7 == 0 ? rng() % 256 : rng() % 4);
    const Huff_Encoded e = HuffEncode(input);
    Bytes out;
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok);
    EXPECT_EQ(out, input);
    // Milliseconds in a release build; the bound leaves room for sanitizers.
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
}

} // namespace
} // namespace zel
