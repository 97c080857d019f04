// The player file: exact bytes, hostile files, loading, the capacity check.
#include "storage/player_file.h"

#include "storage_test_support.h"
#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zel {
namespace {

using test::InMemory;
using test::MakeDeterministicPlayer;
using test::ReadBytes;
using test::SameBytes;
using test::StateWith;
using Bytes = std::vector<uint8_t>;

const std::string kGolden = std::string(ZEL_TEST_DATA) + "/storage/dupont.usr";

Bytes Encode(const PlayerData &p) {
    return EncodePlayer(p.profile, p.days, p.tournaments);
}

// A sentinel that a refused decode must leave exactly as it was.
const PlayerData &Sentinel() {
    static const PlayerData sentinel = [] {
        PlayerData p = MakeDeterministicPlayer();
        SetFieldText(p.profile.name, "Sentinelle");
        return p;
    }();
    return sentinel;
}

TEST(PlayerFile, savesExactlyTheCheckedInFileAndOnlyTheCountedRecords) {
    const Bytes golden = ReadBytes(kGolden);
    PlayerData p = MakeDeterministicPlayer();
    EXPECT_EQ(Encode(p), golden);
    p.days.push_back(p.days[0]);
    p.tournaments.push_back(p.tournaments[0]);
    EXPECT_EQ(Encode(p), golden);
    // More counted than given, or a negative count: nothing to write.
    for (int32_t count : {4, -1}) {
        p.profile.day_count = count;
        EXPECT_TRUE(Encode(p).empty()) << count;
    }
}

TEST(PlayerFile, everyTruncationAndBitFlipIsRefusedOrGivesAWellFormedPlayer) {
    // The format has no checksum: a flip inside the data can give another valid
    // player. What must hold is that nothing half-checked gets through.
    const Bytes f = ReadBytes(kGolden);
    for (std::size_t len = 0; len < f.size(); ++len) {
        PlayerData out = Sentinel();
        EXPECT_NE(DecodePlayer(Bytes(f.begin(), f.begin() + len), out), PlayerFileStatus::Ok) << len;
        EXPECT_TRUE(SameBytes(out, Sentinel())) << len;
    }
    for (std::size_t bit = 0; bit < f.size() * 8; ++bit) {
        Bytes g = f;
        g[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
        PlayerData out = Sentinel(), again;
        if (DecodePlayer(g, out) == PlayerFileStatus::Ok) {
            ASSERT_EQ(DecodePlayer(Encode(out), again), PlayerFileStatus::Ok) << bit;
            EXPECT_TRUE(SameBytes(again, out)) << bit;
        } else {
            EXPECT_TRUE(SameBytes(out, Sentinel())) << bit;
        }
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
        std::memcpy(&r[at], &v, 4);
        return test::FileAround(r);
    };
    Bytes longer = record;
    longer.push_back(0);
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
        {"one byte extra", test::FileAround(longer), PlayerFileStatus::BadRecordSize},
        {"record over 1 MB", test::FileAround(Bytes(kMaxRecordBytes + 1, 0)), PlayerFileStatus::TooLarge},
    };
    for (const auto &c : cases) {
        PlayerData out = Sentinel();
        EXPECT_EQ(DecodePlayer(c.file, out), c.status) << c.what;
        EXPECT_TRUE(SameBytes(out, Sentinel())) << c.what;
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

TEST(PlayerFile, capacityCheckKeepsEverySaveReadable) {
    // Zero-filled days: only the record size limits them (742 days fit).
    PlayerData p{test::MakeProfile("Plein", "Jean", "Plein.usr"), std::vector<Day_Sheet>(741), {}};
    p.profile.day_count = 741;
    SharedState s = StateWith(p);
    EXPECT_TRUE(FitsOneMoreDay(s));
    s.Current_Profile.day_count = 742;
    s.Mem_Days.resize(742);
    EXPECT_FALSE(FitsOneMoreDay(s));
    // 1048576 - 280 - 1412 * 742 = 792: two tournaments fit, not three.
    EXPECT_TRUE(FitsOneMoreTournament(s));
    s.Current_Profile.tournament_count = 2;
    s.Mem_Tournois.resize(2);
    EXPECT_FALSE(FitsOneMoreTournament(s));

    // Noisy days: the pair stream is what runs out first.
    std::mt19937 rng(3);
    SharedState n = StateWith({p.profile, {}, {}});
    n.Current_Profile.day_count = 0;
    Day_Sheet d;
    auto *b = reinterpret_cast<uint8_t *>(&d);
    while (FitsOneMoreDay(n)) {
        for (std::size_t k = 0; k < sizeof d; ++k)
            b[k] = static_cast<uint8_t>(k % 2 ? 1 + rng() % 255 : 0);
        n.Mem_Days.push_back(d);
        ++n.Current_Profile.day_count;
        ASSERT_EQ(CheckPlayerFit(n.Current_Profile, n.Mem_Days, n.Mem_Tournois), PlayerFit::Ok);
    }
    EXPECT_LT(n.Current_Profile.day_count, 742);
    EXPECT_GT(n.Current_Profile.day_count, 300);

    // Counts the stores cannot back are never "room for one more".
    n.Current_Profile.day_count = static_cast<int32_t>(n.Mem_Days.size()) + 1;
    EXPECT_FALSE(FitsOneMoreDay(n));
    n.Current_Profile.day_count = -1;
    EXPECT_FALSE(FitsOneMoreTournament(n));
}

} // namespace
} // namespace zel
