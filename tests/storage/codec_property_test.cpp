// Round-trip properties over many random inputs: the codec and the player file up to their limits.
#include "storage/huffman.h"
#include "storage/player_file.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zel {
namespace {

using test::RecordingReporter;
using test::TempDir;

// Byte strings of every shape the codec meets: one value, two, all 256, flat,
// skewed, and counts growing geometrically (the deepest trees, which need
// flattening to fit 16 bits).
std::vector<uint8_t> RandomInput(std::mt19937 &rng, int shape) {
    const std::size_t size = 1 + rng() % (rng() % 4 == 0 ? 65536 : 4096);
    std::vector<uint8_t> out(size);
    switch (shape) {
    case 0:
        std::fill(out.begin(), out.end(), static_cast<uint8_t>(rng()));
        break;
    case 1:
        for (uint8_t &b : out)
            b = rng() % 2 ? 0 : 255;
        break;
    case 2:
        for (uint8_t &b : out)
            b = static_cast<uint8_t>(rng());
        break;
    case 3: {
        const unsigned alphabet = 1 + rng() % 256;
        for (uint8_t &b : out)
            b = static_cast<uint8_t>(std::min(rng() % alphabet, rng() % alphabet));
        break;
    }
    default: {
        std::geometric_distribution<int> geometric(0.3 + 0.4 * (rng() % 100) / 100.0);
        const uint8_t base = static_cast<uint8_t>(rng());
        for (uint8_t &b : out)
            b = static_cast<uint8_t>(base + std::min(geometric(rng), 255));
        break;
    }
    }
    return out;
}

TEST(CodecProperty, huffDecodeUndoesHuffEncode) {
    std::mt19937 rng(31337);
    for (int round = 0; round < 300; ++round) {
        const std::vector<uint8_t> input = RandomInput(rng, round % 5);
        const Huff_Encoded e = HuffEncode(input);
        uint64_t bits = 0;
        for (const Code_Entry &c : e.table) {
            ASSERT_GE(c.length, 1) << round;
            ASSERT_LE(c.length, kMaxCodeLength) << round;
            bits += static_cast<uint64_t>(c.length) *
                    static_cast<uint64_t>(std::count(input.begin(), input.end(), c.symbol));
        }
        ASSERT_EQ(e.bit_count, bits) << round;
        ASSERT_EQ(e.bits.size(), (e.bit_count + 7) / 8) << round;
        if (e.bit_count % 8 != 0) {
            EXPECT_EQ(e.bits.back() & (0xFF >> (e.bit_count % 8)), 0) << "padding bits, round " << round;
        }
        std::vector<uint8_t> out;
        ASSERT_EQ(HuffDecode(e.table, e.bits, e.bit_count, input.size(), out), DecodeStatus::Ok) << round;
        ASSERT_EQ(out, input) << round;
    }
}

TEST(CodecProperty, aSavedPlayerLoadsBackAsItWasInMemory) {
    // Sizes up to the largest the file allows: 742 days, or days and
    // tournaments together up to the same 1 MB record.
    const struct {
        int days, tournaments;
    } sizes[] = {{0, 0},   {1, 0},   {0, 1},     {3, 5},   {11, 2},
                 {22, 12}, {44, 24}, {300, 250}, {742, 0}, {600, 529}};
    TempDir dir;
    const std::string path = dir.path() + "Joueur.usr";
    std::mt19937 rng(4242);
    for (const auto &size : sizes) {
        for (int variant = 0; variant < 2; ++variant) {
            const PlayerData p = variant == 0 ? test::MakeRealisticPlayer(size.days, size.tournaments, rng())
                                              : test::MakeRandomPlayer(rng, size.days, size.tournaments);
            const std::string what = std::to_string(size.days) + " days, " +
                                     std::to_string(size.tournaments) + " tournaments, " +
                                     (variant == 0 ? "realistic" : "random");
            RecordingReporter r;
            ::unlink(path.c_str());
            const bool fits = CheckPlayerFit(p.profile, p.days, p.tournaments) == PlayerFit::Ok;
            // Random sheets pack badly: the largest of them may not fit, and are refused whole.
            if (variant == 0) {
                ASSERT_TRUE(fits) << what;
            }
            ASSERT_EQ(SavePlayerFile(path, p.profile, p.days, p.tournaments, r), fits) << what;
            if (!fits) {
                EXPECT_EQ(r.messages.size(), 1u) << what;
                EXPECT_TRUE(dir.names().empty()) << what;
                continue;
            }
            // Load then save gives the same bytes: junk after terminators is kept.
            const std::vector<uint8_t> first = test::ReadBytes(path);
            PlayerData back;
            ASSERT_EQ(LoadPlayerFile(path, back, r), LoadResult::Ok) << what;
            EXPECT_TRUE(test::SameBytes(back, p)) << what;
            ASSERT_TRUE(SavePlayerFile(path, back.profile, back.days, back.tournaments, r)) << what;
            EXPECT_EQ(test::ReadBytes(path), first) << what;
            EXPECT_TRUE(r.messages.empty()) << what;
        }
    }
}

} // namespace
} // namespace zel
