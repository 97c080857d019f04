// The player file: exact bytes, round trips, hostile files, the capacity check.
#include "storage/player_file.h"

#include "text/fixed_text.h"
#include "shell/shared_state.h"
#include "storage/huffman.h"
#include "storage/run_length.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

namespace zel {
namespace {

using test::MakeDeterministicPlayer;
using test::ReadBytes;
using test::RecordingReporter;
using test::SameBytes;
using test::TempDir;

const std::string kGolden = std::string(ZEL_TEST_DATA) + "/storage/dupont.usr";

std::vector<uint8_t> Encode(const PlayerData &p) {
    return EncodePlayer(p.profile, p.days, p.tournaments);
}

std::vector<uint8_t> RecordOf(const PlayerData &p) {
    std::vector<uint8_t> r(reinterpret_cast<const uint8_t *>(&p.profile),
                           reinterpret_cast<const uint8_t *>(&p.profile) + sizeof p.profile);
    for (const Day_Sheet &d : p.days)
        r.insert(r.end(), reinterpret_cast<const uint8_t *>(&d), reinterpret_cast<const uint8_t *>(&d + 1));
    for (const Tournament_Sheet &t : p.tournaments)
        r.insert(r.end(), reinterpret_cast<const uint8_t *>(&t), reinterpret_cast<const uint8_t *>(&t + 1));
    return r;
}

// A file around any record, well-formed or not, coded the regular way.
std::vector<uint8_t> FileAround(const std::vector<uint8_t> &record) {
    const Huff_Encoded e = HuffEncode(RunLengthPack(record));
    std::vector<uint8_t> f{'u', 's', 'r'};
    auto le32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    le32(static_cast<uint32_t>(e.table.size()));
    const auto *t = reinterpret_cast<const uint8_t *>(e.table.data());
    f.insert(f.end(), t, t + 8 * e.table.size());
    le32(static_cast<uint32_t>(e.bit_count));
    f.insert(f.end(), e.bits.begin(), e.bits.end());
    return f;
}

void PutLe32(std::vector<uint8_t> &f, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        f[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t GetLe32(const std::vector<uint8_t> &f, std::size_t at) {
    return f[at] | f[at + 1] << 8 | f[at + 2] << 16 | uint32_t(f[at + 3]) << 24;
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

TEST(PlayerFile, matchesTheCheckedInFile) {
    const std::vector<uint8_t> expected = ReadBytes(kGolden);
    ASSERT_FALSE(expected.empty()) << kGolden;
    EXPECT_EQ(Encode(MakeDeterministicPlayer()), expected);
}

TEST(PlayerFile, savesOnlyTheCountedRecords) {
    PlayerData p = MakeDeterministicPlayer();
    PlayerData more = p;
    more.days.push_back(more.days[0]);
    more.tournaments.push_back(more.tournaments[0]);
    EXPECT_EQ(EncodePlayer(more.profile, more.days, more.tournaments), Encode(p));
    // More counted than given, or a negative count: nothing to write.
    p.profile.day_count = 3;
    EXPECT_TRUE(Encode(p).empty());
    p.profile.day_count = -1;
    EXPECT_TRUE(Encode(p).empty());
}

TEST(PlayerFile, longTimePlayerNeedsFlattenedCodes) {
    const PlayerData p = test::MakeRealisticPlayer(300, 250, 5);
    const std::vector<uint8_t> stream = RunLengthPack(RecordOf(p));
    // The plain merge rules would need codes longer than a Code_Entry holds.
    EXPECT_GT(test::UnflattenedDepth(stream), kMaxCodeLength);

    const std::vector<uint8_t> f = Encode(p);
    ASSERT_FALSE(f.empty());
    const uint32_t n = GetLe32(f, 3);
    for (uint32_t i = 0; i < n; ++i) {
        const int8_t length = static_cast<int8_t>(f[7 + 8 * i + 4]);
        EXPECT_GE(length, 1);
        EXPECT_LE(length, kMaxCodeLength);
    }
    PlayerData back;
    ASSERT_EQ(DecodePlayer(f, back), PlayerFileStatus::Ok);
    EXPECT_TRUE(SameBytes(back, p));
}

TEST(PlayerFile, everyTruncationIsRefused) {
    const std::vector<uint8_t> f = ReadBytes(kGolden);
    ASSERT_FALSE(f.empty());
    for (std::size_t len = 0; len < f.size(); ++len) {
        PlayerData out = Sentinel();
        const std::vector<uint8_t> cut(f.begin(), f.begin() + len);
        EXPECT_NE(DecodePlayer(cut, out), PlayerFileStatus::Ok) << len;
        EXPECT_TRUE(SameBytes(out, Sentinel())) << len;
    }
}

TEST(PlayerFile, bitFlipsAreRefusedOrGiveAWellFormedPlayer) {
    // The format has no checksum: a flip inside the data can give another valid
    // player. What must hold is that nothing half-checked gets through.
    const std::vector<uint8_t> f = ReadBytes(kGolden);
    for (std::size_t bit = 0; bit < f.size() * 8; ++bit) {
        std::vector<uint8_t> g = f;
        g[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
        PlayerData out = Sentinel();
        if (DecodePlayer(g, out) == PlayerFileStatus::Ok) {
            PlayerData again;
            ASSERT_EQ(DecodePlayer(Encode(out), again), PlayerFileStatus::Ok) << bit;
            EXPECT_TRUE(SameBytes(again, out)) << bit;
        } else {
            EXPECT_TRUE(SameBytes(out, Sentinel())) << bit;
        }
    }
}

TEST(PlayerFile, hostileHeadersAreRefused) {
    const std::vector<uint8_t> f = ReadBytes(kGolden);
    const uint32_t n = GetLe32(f, 3);
    const std::size_t bin_pos_at = 7 + 8 * n;
    const uint32_t bits = GetLe32(f, bin_pos_at);
    auto put = [](std::size_t at, uint32_t v) { return [=](std::vector<uint8_t> &g) { PutLe32(g, at, v); }; };
    auto set = [](std::size_t at, uint8_t v) { return [=](std::vector<uint8_t> &g) { g[at] = v; }; };
    const struct {
        const char *what;
        std::function<void(std::vector<uint8_t> &)> change;
        PlayerFileStatus status;
    } cases[] = {
        {"not usr", set(0, 'U'), PlayerFileStatus::NotPlayerFile},
        {"Num_code 300", put(3, 300), PlayerFileStatus::BadNumCode},
        {"Num_code 0", put(3, 0), PlayerFileStatus::BadNumCode},
        {"Num_code 2^32-1", put(3, 0xFFFFFFFF), PlayerFileStatus::BadNumCode},
        {"code length 0", set(7 + 4, 0), PlayerFileStatus::BadCodeTable},
        {"code length 17", set(7 + 4, 17), PlayerFileStatus::BadCodeTable},
        {"code length -1", set(7 + 4, 0xFF), PlayerFileStatus::BadCodeTable},
        {"Bin_pos past the end", put(bin_pos_at, bits + 8), PlayerFileStatus::BinPosPastEnd},
        {"Bin_pos 2^32-1", put(bin_pos_at, 0xFFFFFFFF), PlayerFileStatus::BinPosPastEnd},
        {"trailing byte", [](auto &g) { g.push_back(0); }, PlayerFileStatus::TrailingBytes},
    };
    for (const auto &c : cases) {
        std::vector<uint8_t> g = f;
        c.change(g);
        PlayerData out = Sentinel();
        EXPECT_EQ(DecodePlayer(g, out), c.status) << c.what;
        EXPECT_TRUE(SameBytes(out, Sentinel())) << c.what;
    }
}

TEST(PlayerFile, recordsThatContradictTheirProfileAreRefused) {
    const std::vector<uint8_t> good = RecordOf(MakeDeterministicPlayer());
    auto with_int = [&](std::size_t at, int32_t v) {
        std::vector<uint8_t> r = good;
        std::memcpy(&r[at], &v, 4);
        return r;
    };
    const struct {
        const char *what;
        std::vector<uint8_t> record;
        PlayerFileStatus status;
    } cases[] = {
        {"day count -1", with_int(252, -1), PlayerFileStatus::BadCounts},
        {"tournament count -1", with_int(256, -1), PlayerFileStatus::BadCounts},
        {"day count 10^9", with_int(252, 1000000000), PlayerFileStatus::BadRecordSize},
        {"tournament count 10^9", with_int(256, 1000000000), PlayerFileStatus::BadRecordSize},
        {"one day too many", with_int(252, 3), PlayerFileStatus::BadRecordSize},
        {"scale length 0", with_int(260, 0), PlayerFileStatus::BadScaleLength},
        {"scale length 20", with_int(260, 20), PlayerFileStatus::BadScaleLength},
        {"shorter than a profile", std::vector<uint8_t>(good.begin(), good.begin() + 279),
         PlayerFileStatus::BadRecordSize},
        {"one byte extra",
         [&] {
             auto r = good;
             r.push_back(0);
             return r;
         }(),
         PlayerFileStatus::BadRecordSize},
        {"beyond 1 MB", std::vector<uint8_t>(kMaxRecordBytes + 1, 0), PlayerFileStatus::TooLarge},
    };
    for (const auto &c : cases) {
        PlayerData out = Sentinel();
        EXPECT_EQ(DecodePlayer(FileAround(c.record), out), c.status) << c.what;
        EXPECT_TRUE(SameBytes(out, Sentinel())) << c.what;
    }
}

TEST(PlayerFile, malformedStreamsAreRefused) {
    // One symbol, one bit each: an odd stream, a run of 0, and a stream over 1 MB.
    auto one_symbol = [](uint8_t symbol, uint32_t count) {
        std::vector<uint8_t> f{'u', 's', 'r', 1, 0, 0, 0, 0, 0, 0, 0, 1, symbol, 0, 0};
        for (int i = 0; i < 4; ++i)
            f.push_back(static_cast<uint8_t>(count >> (8 * i)));
        f.resize(f.size() + (count + 7) / 8, 0);
        return f;
    };
    PlayerData out = Sentinel();
    EXPECT_EQ(DecodePlayer(one_symbol(5, 3), out), PlayerFileStatus::BadStream);
    EXPECT_EQ(DecodePlayer(one_symbol(0, 2), out), PlayerFileStatus::BadStream);
    EXPECT_EQ(DecodePlayer(one_symbol(1, kMaxStreamBytes + 1), out), PlayerFileStatus::TooLarge);
    EXPECT_TRUE(SameBytes(out, Sentinel()));
}

TEST(PlayerFile, loadReportsAndNeverCreates) {
    TempDir dir;
    RecordingReporter r;
    PlayerData out = Sentinel();
    const std::string missing = dir.path() + "Absent.usr";
    EXPECT_EQ(LoadPlayerFile(missing, out, r), LoadResult::Failed);
    EXPECT_FALSE(test::Exists(missing));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text, missing);
    EXPECT_EQ(r.messages[0].caption, "Probleme d'ouverture du fichier");

    // A directory cannot be read as a file.
    r.messages.clear();
    EXPECT_EQ(LoadPlayerFile(dir.path(), out, r), LoadResult::Failed);
    EXPECT_EQ(r.messages.size(), 1u);

    // Not a player file: 13, silently, as the import expects.
    r.messages.clear();
    test::WriteBytes(dir.path() + "Autre.usr", {'M', 'Z', 0, 1});
    EXPECT_EQ(LoadPlayerFile(dir.path() + "Autre.usr", out, r), LoadResult::NotPlayerFile);
    test::WriteBytes(dir.path() + "Vide.usr", {});
    EXPECT_EQ(LoadPlayerFile(dir.path() + "Vide.usr", out, r), LoadResult::NotPlayerFile);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(static_cast<int>(LoadResult::NotPlayerFile), 13);

    // Damaged: refused with its reason, caption "Info".
    std::vector<uint8_t> bad = ReadBytes(kGolden);
    PutLe32(bad, 3, 300);
    test::WriteBytes(dir.path() + "Abime.usr", bad);
    EXPECT_EQ(LoadPlayerFile(dir.path() + "Abime.usr", out, r), LoadResult::Failed);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].caption, "Info");
    EXPECT_NE(r.messages[0].text.find("Num_code"), std::string::npos);
    EXPECT_TRUE(SameBytes(out, Sentinel()));
}

SharedState StateWith(const PlayerData &p, const std::string &dir) {
    SharedState s;
    s.User_Dir = dir;
    s.Current_Profile = p.profile;
    s.Mem_Days = p.days;
    s.Mem_Tournois = p.tournaments;
    return s;
}

TEST(PlayerFile, loadPlayerDataFillsTheStoresOnlyWhenTheCountsAgree) {
    TempDir dir;
    RecordingReporter r;
    const PlayerData p = MakeDeterministicPlayer();
    ASSERT_TRUE(SaveCurrentPlayer(StateWith(p, dir.path()), r));
    EXPECT_EQ(ReadBytes(dir.path() + "Dupont.usr"), ReadBytes(kGolden));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Dupont.usr"});

    // Stores holding a closed player's records are replaced by the file's.
    SharedState s;
    s.User_Dir = dir.path();
    s.Current_Profile = p.profile;
    s.Mem_Days.resize(7);
    ASSERT_TRUE(LoadPlayerData(s, "Dupont.usr", r));
    EXPECT_TRUE(SameBytes({s.Current_Profile, s.Mem_Days, s.Mem_Tournois}, p));
    EXPECT_TRUE(r.messages.empty());

    // A library profile that disagrees with the file: refused, nothing changes.
    SharedState other = StateWith(Sentinel(), dir.path());
    other.Current_Profile.day_count = 1;
    other.Mem_Days.resize(1);
    const SharedState before = other;
    EXPECT_FALSE(LoadPlayerData(other, "Dupont.usr", r));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].caption, "Info");
    EXPECT_TRUE(SameBytes({other.Current_Profile, other.Mem_Days, other.Mem_Tournois},
                          {before.Current_Profile, before.Mem_Days, before.Mem_Tournois}));

    // Missing files and names that leave the directory are refused the same way.
    r.messages.clear();
    EXPECT_FALSE(LoadPlayerData(other, "Absent.usr", r));
    EXPECT_FALSE(LoadPlayerData(other, "../Dupont.usr", r));
    EXPECT_EQ(r.messages.size(), 2u);
    EXPECT_FALSE(test::Exists(dir.path() + "Absent.usr"));
}

TEST(PlayerFile, capacityCheckKeepsEverySaveReadable) {
    // Zero-filled days: only the record size limits them (742 days fit).
    PlayerData p{};
    p.profile = test::MakeProfile("Plein", "Jean", "Plein.usr");
    p.profile.day_count = 741;
    p.days.resize(741);
    SharedState s = StateWith(p, "");
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
    SharedState n = StateWith({p.profile, {}, {}}, "");
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
    EXPECT_FALSE(Encode({n.Current_Profile, n.Mem_Days, n.Mem_Tournois}).empty());

    // Counts the stores cannot back are never "room for one more".
    n.Current_Profile.day_count = static_cast<int32_t>(n.Mem_Days.size()) + 1;
    EXPECT_FALSE(FitsOneMoreDay(n));
    n.Current_Profile.day_count = -1;
    EXPECT_FALSE(FitsOneMoreTournament(n));
}

} // namespace
} // namespace zel
