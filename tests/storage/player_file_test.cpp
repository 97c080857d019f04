// The Huffman codec and the run-length packing (exact tables and bits; the tie rules show in the
// checked-in file's bytes), then the player file they make: exact bytes, hostile files, loading.
#include "storage/huffman.h"
#include "storage/player_file.h"
#include "storage/run_length.h"

#include "storage_test_support.h"
#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zel {
namespace {

using namespace test;
using Bytes = std::vector<uint8_t>;

// Each entry as "code/length/symbol ", with "!" for a space when its padding field is not 0.
std::string Entries(const Huff_Encoded &e) {
    std::string out;
    for (const Code_Entry &c : e.table)
        out += std::to_string(c.code) + "/" + std::to_string(c.length) + "/" + std::to_string(c.symbol) +
               (c.zero == 0 ? " " : "!");
    return out;
}

TEST(HuffEncode, tablesAndBitsAreExact) {
    const struct {
        const char *what;
        Bytes input;
        std::string table;
        Bytes bits;
        uint64_t bit_count;
    } cases[] = {
        {"worked example", {'a', 'b', 'c', 'a'}, "0/1/97 32768/2/98 49152/2/99 ", {0x58}, 6},
        // 0 is an ordinary symbol; 1 is picked first and becomes the left child.
        {"zero and padding", {0, 0, 1}, "0/1/1 32768/1/0 ", {0xC0}, 3},
        {"one value", Bytes(9, 0x42), "0/1/66 ", {0, 0}, 9},
    };
    for (const auto &c : cases) {
        const Huff_Encoded e = HuffEncode(c.input);
        EXPECT_EQ(Entries(e), c.table) << c.what;
        EXPECT_EQ(e.bits, c.bits) << c.what;
        EXPECT_EQ(e.bit_count, c.bit_count) << c.what;
        Bytes out;
        EXPECT_EQ(HuffDecode(e.table, e.bits, e.bit_count, 100, out), DecodeStatus::Ok) << c.what;
        EXPECT_EQ(out, c.input) << c.what;
    }
}

TEST(HuffEncode, treesTooDeepAreRebuiltFromHalvedCountsUntilTheyFit) {
    // Fibonacci counts make the deepest trees: n symbols, n - 1 levels. Halving the counts of 25
    // once gives 13 levels; 33 need two halvings (32, 17, then 16 levels).
    for (const int n : {25, 33}) {
        Bytes input, halved; // the same bytes with every count c made (c + 1) / 2
        for (uint64_t v = 0, a = 1, b = 1; v < uint64_t(n); ++v, b += a, a = b - a) {
            input.insert(input.end(), a, static_cast<uint8_t>(v));
            halved.insert(halved.end(), (a + 1) / 2, static_cast<uint8_t>(v));
        }
        const Huff_Encoded e = HuffEncode(input);
        EXPECT_EQ(Entries(e), Entries(HuffEncode(halved))) << n;
        Bytes out; // a code over 16 bits is refused
        ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok);
        EXPECT_TRUE(out == input) << n;
    }
}

// Hostile tables and bit counts: tests/data/fuzz/huff_decode (the fuzz target checks them);
// malformed run-length streams: the player file's hostile rows.

TEST(RunLength, packsRunsUpTo255) {
    const struct {
        Bytes record, stream;
    } packed[] = {
        {{5, 5, 5, 0, 0, 7}, {5, 3, 0, 2, 7, 1}},
        {Bytes(300, 9), {9, 255, 9, 45}},
        {Bytes(255, 0), {0, 255}},
        {Bytes(17, 3), {3, 17}}, // the shortest run written apart from the 16-byte stamp
        {{1, 2, 1}, {1, 1, 2, 1, 1, 1}},
    };
    for (const auto &c : packed) {
        EXPECT_EQ(RunLengthPack(c.record), c.stream);
        EXPECT_EQ(RunLengthPackedSize(c.record), c.stream.size());
        Bytes back;
        ASSERT_EQ(RunLengthUnpack(c.stream, 1 << 20, back), DecodeStatus::Ok);
        EXPECT_EQ(back, c.record);
    }
}

const std::string kGolden = std::string(ZEL_TEST_DATA) + "/storage/dupont.usr";

TEST(PlayerFile, savesExactlyTheCheckedInFileAndOnlyTheCountedRecords) {
    const Bytes golden = ReadBytes(kGolden);
    PlayerData p = MakeDeterministicPlayer();
    EXPECT_EQ(EncodePlayer(p.profile, p.days, p.tournaments), golden);
    p.days.push_back(p.days[0]);
    p.tournaments.push_back(p.tournaments[0]);
    EXPECT_EQ(EncodePlayer(p.profile, p.days, p.tournaments), golden);
    // More counted than given, or a negative count: nothing to write.
    for (int32_t count : {4, -1}) {
        p.profile.day_count = count;
        EXPECT_TRUE(EncodePlayer(p.profile, p.days, p.tournaments).empty()) << count;
    }
}

TEST(PlayerFile, hostileFilesAreRefusedForTheirReason) {
    const Bytes golden = ReadBytes(kGolden);
    const std::size_t bin_pos_at = 7 + 8 * std::size_t(golden[3]);
    const uint32_t bits = golden[bin_pos_at] | golden[bin_pos_at + 1] << 8;
    // The golden file with `width` bytes at `at` little-endian `v`, or one byte more at its end.
    auto put = [&](std::size_t at, uint32_t v, std::size_t width = 4) {
        Bytes g = golden;
        g.resize(std::max(g.size(), at + width));
        for (std::size_t i = 0; i < width; ++i)
            g[at + i] = static_cast<uint8_t>(v >> (8 * i));
        return g;
    };
    const Bytes record = test::RecordOf(MakeDeterministicPlayer());
    auto record_with = [&](std::size_t at, int32_t v) {
        Bytes r = record;
        r.resize(std::max(r.size(), at + 4));
        std::memcpy(&r[at], &v, 4);
        return test::FileAround(r);
    };
    // One symbol, one bit a byte: a stream of `count` bytes.
    auto one_symbol = [](uint8_t symbol, uint32_t count) {
        Bytes f{'u', 's', 'r', 1, 0, 0, 0, 0, 0, 0, 0, 1, symbol, 0, 0, 0, 0, 0, 0};
        std::memcpy(&f[15], &count, 4); // the format and every machine it runs on are little-endian
        f.resize(f.size() + (count + 7) / 8, 0);
        return f;
    };
    const struct {
        const char *what;
        Bytes file;
        PlayerFileStatus status;
    } cases[] = {
        {"not usr", put(0, 'U', 1), PlayerFileStatus::NotPlayerFile},
        {"Num_code 0", put(3, 0), PlayerFileStatus::BadNumCode},
        {"Num_code 257", put(3, 257), PlayerFileStatus::BadNumCode},
        {"code length 17", put(7 + 4, 17, 1), PlayerFileStatus::BadCodeTable},
        {"Bin_pos one byte past the end", put(bin_pos_at, bits + 8), PlayerFileStatus::BinPosPastEnd},
        {"Bin_pos 2^32-1", put(bin_pos_at, 0xFFFFFFFF), PlayerFileStatus::BinPosPastEnd},
        {"trailing byte", put(golden.size(), 0, 1), PlayerFileStatus::TrailingBytes},
        {"odd stream", one_symbol(5, 3), PlayerFileStatus::BadStream},
        {"run of 0", one_symbol(0, 2), PlayerFileStatus::BadStream},
        {"stream over 1 MB", one_symbol(1, kMaxStreamBytes + 1), PlayerFileStatus::TooLarge},
        {"day count -1", record_with(252, -1), PlayerFileStatus::BadCounts},
        {"tournament count -1", record_with(256, -1), PlayerFileStatus::BadCounts},
        {"day count 10^9", record_with(252, 1000000000), PlayerFileStatus::BadRecordSize},
        {"tournament count 10^9", record_with(256, 1000000000), PlayerFileStatus::BadRecordSize},
        {"one day too many", record_with(252, 3), PlayerFileStatus::BadRecordSize},
        {"scale length 0", record_with(260, 0), PlayerFileStatus::BadScaleLength},
        {"scale length 20", record_with(260, 20), PlayerFileStatus::BadScaleLength},
        {"shorter than a profile", test::FileAround(Bytes(record.begin(), record.begin() + 279)),
         PlayerFileStatus::BadRecordSize},
        {"one byte extra", record_with(record.size() - 3, 0), PlayerFileStatus::BadRecordSize},
        {"record over 1 MB", test::FileAround(Bytes(kMaxRecordBytes + 1, 0)), PlayerFileStatus::TooLarge},
    };
    PlayerData sentinel = MakeDeterministicPlayer(); // a refused decode leaves it exactly as it was
    SetFieldText(sentinel.profile.name, "Sentinelle");
    for (const auto &c : cases) {
        PlayerData out = sentinel;
        EXPECT_EQ(DecodePlayer(c.file, out), c.status) << c.what;
        EXPECT_TRUE(SameBytes(out, sentinel)) << c.what;
    }
}

// Refused loads are rows of the fault sweep.
TEST(PlayerFile, aLoadReplacesStoresHoldingAClosedPlayersRecordsAndNeedsBothCountsToAgree) {
    test::TempDir dir;
    test::RecordingReporter r;
    const PlayerData p = MakeDeterministicPlayer();
    ASSERT_TRUE(SaveCurrentPlayer(StateWith(p, dir.path()), r));
    SharedState s = StateWith({p.profile, std::vector<Day_Sheet>(7), {}}, dir.path());
    ASSERT_TRUE(LoadPlayerData(s, "Dupont.usr", r));
    EXPECT_TRUE(SameBytes(InMemory(s), p));
    EXPECT_EQ(r.told, "");
    for (int32_t Player_Profile::*count : {&Player_Profile::day_count, &Player_Profile::tournament_count}) {
        SharedState other = StateWith(p, dir.path());
        other.Current_Profile.*count += 1;
        EXPECT_FALSE(LoadPlayerData(other, "Dupont.usr", r));
    }
}

} // namespace
} // namespace zel
