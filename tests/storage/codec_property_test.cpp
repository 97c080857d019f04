// Round-trip properties over many random inputs: the codec and the player file up to their limits.
#include "storage/huffman.h"
#include "storage/player_file.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <random>

namespace zel {
namespace {

// Byte strings of every shape the codec meets: one value, a few or all 256 equally often, and
// counts falling geometrically (the deepest trees, which need flattening to fit 16 bits).
std::vector<uint8_t> RandomInput(std::mt19937 &rng, int shape) {
    std::vector<uint8_t> out(1 + rng() % (rng() % 4 == 0 ? 65536 : 4096));
    const unsigned alphabet = 1 + rng() % 256;
    std::geometric_distribution<int> geometric(0.3 + 0.4 * (rng() % 100) / 100.0);
    const uint8_t base = static_cast<uint8_t>(rng());
    for (uint8_t &b : out)
        b = static_cast<uint8_t>(shape == 0   ? base
                                 : shape == 1 ? rng() % alphabet
                                              : base + std::min(geometric(rng), 255));
    return out;
}

TEST(CodecProperty, huffDecodeUndoesHuffEncode) {
    std::mt19937 rng(31337);
    for (int round = 0; round < 300; ++round) {
        const std::vector<uint8_t> input = RandomInput(rng, round % 3);
        const Huff_Encoded e = HuffEncode(input);
        uint64_t bits = 0;
        for (const Code_Entry &c : e.table) // lengths beyond 1..16 are refused by the decoder below
            bits += uint64_t(c.length) * uint64_t(std::count(input.begin(), input.end(), c.symbol));
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
    const struct { int days, tournaments; } sizes[] = {{0, 0}, {0, 1}, {3, 5}, {742, 0}, {600, 529}};
    test::TempDir dir;
    const std::string path = dir.path() + "Joueur.usr";
    std::mt19937 rng(4242);
    for (const auto &size : sizes) {
        for (bool realistic : {true, false}) {
            const PlayerData p = realistic ? test::MakeRealisticPlayer(size.days, size.tournaments, rng())
                                           : test::MakeRandomPlayer(rng, size.days, size.tournaments);
            SCOPED_TRACE(testing::Message() << size.days << " days, " << size.tournaments << " tournaments, "
                                            << (realistic ? "realistic" : "random"));
            test::RecordingReporter r;
            ::unlink(path.c_str());
            // Random sheets pack badly: the largest of them may not fit, and are refused whole.
            const bool fits = CheckPlayerFit(p.profile, p.days, p.tournaments) == PlayerFit::Ok;
            ASSERT_TRUE(fits || !realistic);
            ASSERT_EQ(SavePlayerFile(path, p.profile, p.days, p.tournaments, r), fits);
            if (!fits) {
                EXPECT_EQ(r.told, "Le joueur est trop volumineux pour être enregistré|Info");
                EXPECT_TRUE(dir.names().empty());
                continue;
            }
            // Load then save gives the same bytes: junk after terminators is kept.
            const std::vector<uint8_t> first = test::ReadBytes(path);
            PlayerData back;
            ASSERT_EQ(LoadPlayerFile(path, back, r), LoadResult::Ok);
            EXPECT_TRUE(test::SameBytes(back, p));
            ASSERT_TRUE(SavePlayerFile(path, back.profile, back.days, back.tournaments, r));
            EXPECT_EQ(test::ReadBytes(path), first);
            EXPECT_EQ(r.told, "");
        }
    }
}

} // namespace
} // namespace zel
