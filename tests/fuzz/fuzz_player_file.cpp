// Fuzz target: any bytes as a player file, decoded in memory.
//
// A refused file leaves the caller's data untouched and has a text to tell the user; an accepted
// one is a well-formed player that saves and loads back unchanged. (What the file reader tells the
// user is checked by the storage fault sweep, one refusal at a time.)
#include "fuzz_support.h"
#include "storage/player_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace zel;
    static const PlayerData sentinel = test::MakeDeterministicPlayer();

    PlayerData decoded = sentinel;
    const PlayerFileStatus status = DecodePlayer({data, size}, decoded);
    if (status != PlayerFileStatus::Ok) {
        FUZZ_CHECK(test::SameBytes(decoded, sentinel));
        FUZZ_CHECK(!DescribePlayerFileStatus(status).empty());
    } else {
        const Player_Profile &p = decoded.profile;
        FUZZ_CHECK(decoded.days.size() == static_cast<std::size_t>(p.day_count));
        FUZZ_CHECK(decoded.tournaments.size() == static_cast<std::size_t>(p.tournament_count));
        FUZZ_CHECK(p.scale_length >= 1 && p.scale_length <= 19);
        // Whatever was read can be written again, and reads back the same.
        FUZZ_CHECK(CheckPlayerFit(p, decoded.days, decoded.tournaments) == PlayerFit::Ok);
        const std::vector<uint8_t> again = EncodePlayer(p, decoded.days, decoded.tournaments);
        FUZZ_CHECK(!again.empty() && again.size() <= kMaxPlayerFileBytes);
        PlayerData back;
        FUZZ_CHECK(DecodePlayer(again, back) == PlayerFileStatus::Ok);
        FUZZ_CHECK(test::SameBytes(back, decoded));
    }
    return 0;
}
