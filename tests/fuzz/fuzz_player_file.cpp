// Fuzz target: any bytes as a player file, decoded in memory and loaded from disk.
//
// A refused file leaves the caller's data untouched and is reported once; an
// accepted one is a well-formed player that saves and loads back unchanged.
#include "fuzz_support.h"
#include "storage/player_file.h"

#include <cstring>

namespace {

bool SameBytes(const zel::PlayerData &a, const zel::PlayerData &b) {
    return std::memcmp(&a.profile, &b.profile, sizeof a.profile) == 0 && a.days.size() == b.days.size() &&
           a.tournaments.size() == b.tournaments.size() &&
           (a.days.empty() ||
            std::memcmp(a.days.data(), b.days.data(), a.days.size() * sizeof(zel::Day_Sheet)) == 0) &&
           (a.tournaments.empty() || std::memcmp(a.tournaments.data(), b.tournaments.data(),
                                                 a.tournaments.size() * sizeof(zel::Tournament_Sheet)) == 0);
}

zel::PlayerData Sentinel() {
    zel::PlayerData p{};
    std::memset(&p.profile, 0x5A, sizeof p.profile);
    p.days.resize(1);
    std::memset(p.days.data(), 0xA5, sizeof(zel::Day_Sheet));
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace zel;
    static const PlayerData sentinel = Sentinel();

    PlayerData decoded = sentinel;
    const PlayerFileStatus status = DecodePlayer({data, size}, decoded);
    if (status != PlayerFileStatus::Ok) {
        FUZZ_CHECK(SameBytes(decoded, sentinel));
        FUZZ_CHECK(!DescribePlayerFileStatus(status).empty());
    } else {
        const Player_Profile &p = decoded.profile;
        FUZZ_CHECK(p.day_count >= 0 && p.tournament_count >= 0);
        FUZZ_CHECK(decoded.days.size() == static_cast<std::size_t>(p.day_count));
        FUZZ_CHECK(decoded.tournaments.size() == static_cast<std::size_t>(p.tournament_count));
        FUZZ_CHECK(p.scale_length >= 1 && p.scale_length <= 19);
        // Whatever was read can be written again, and reads back the same.
        FUZZ_CHECK(CheckPlayerFit(p, decoded.days, decoded.tournaments) == PlayerFit::Ok);
        const std::vector<uint8_t> again = EncodePlayer(p, decoded.days, decoded.tournaments);
        FUZZ_CHECK(!again.empty() && again.size() <= kMaxPlayerFileBytes);
        PlayerData back;
        FUZZ_CHECK(DecodePlayer(again, back) == PlayerFileStatus::Ok);
        FUZZ_CHECK(SameBytes(back, decoded));
    }

    // The same bytes through the file reader.
    const std::string path = fuzz::FreshScratchDir() + "Joueur.usr";
    fuzz::WriteFileBytes(path, data, size);
    PlayerData loaded = sentinel;
    fuzz::CountingReporter r;
    const LoadResult result = LoadPlayerFile(path, loaded, r);
    switch (status) {
    case PlayerFileStatus::Ok:
        FUZZ_CHECK(result == LoadResult::Ok && r.messages == 0);
        FUZZ_CHECK(SameBytes(loaded, decoded));
        break;
    case PlayerFileStatus::NotPlayerFile:
        FUZZ_CHECK(result == LoadResult::NotPlayerFile && r.messages == 0);
        FUZZ_CHECK(SameBytes(loaded, sentinel));
        break;
    default:
        FUZZ_CHECK(result == LoadResult::Failed && r.messages == 1);
        FUZZ_CHECK(SameBytes(loaded, sentinel));
        break;
    }
    FUZZ_CHECK(r.beeps == 0);
    return 0;
}
