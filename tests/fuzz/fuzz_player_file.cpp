// Fuzz target: any bytes as a player file, decoded in memory and loaded from disk.
//
// A refused file leaves the caller's data untouched and is reported once (a file that is not a
// player file, silently); an accepted one is a well-formed player that saves and loads back
// unchanged.
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

    // The same bytes through the file reader.
    const std::string path = FreshScratchDir() + "Joueur.usr";
    test::WriteBytes(path, {data, data + size});
    PlayerData loaded = sentinel;
    test::RecordingReporter r;
    const LoadResult result = LoadPlayerFile(path, loaded, r);
    const LoadResult expected = status == PlayerFileStatus::Ok              ? LoadResult::Ok
                                : status == PlayerFileStatus::NotPlayerFile ? LoadResult::NotPlayerFile
                                                                            : LoadResult::Failed;
    FUZZ_CHECK(result == expected && r.told.empty() == (result != LoadResult::Failed));
    FUZZ_CHECK(r.told.find(';') == std::string::npos && r.told != "beep" && !r.told.starts_with('|'));
    FUZZ_CHECK(test::SameBytes(loaded, result == LoadResult::Ok ? decoded : sentinel));
    return 0;
}
