// Tournament columns across a change of scale and the import chooser's directories.
#include "players/player_import.h"
#include "players/profile_rules.h"

#include "storage_test_support.h"
#include "tournaments/tournament_groups.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <limits>

namespace zel {
namespace {

namespace fs = std::filesystem;

// A count by label, read the way the viewer reads it.
uint32_t &Count(Tournament_Sheet &t, int n, std::string_view label, bool victories = true) {
    auto &col = t.columns[TournamentColumnOf(n, label)];
    return victories ? col.victories : col.defeats;
}

TEST(ProfileRules, ClassementsLeavingTheScaleCountAsNcAndSaturate) {
    Tournament_Sheet t{};
    Count(t, 19, "100") = 3;
    Count(t, 19, "65", false) = 2;
    Count(t, 19, "NC", false) = 1;
    Count(t, 19, "60") = 4;
    RemapTournamentColumns(t, 19, 11);
    Tournament_Sheet want{}; // every column past the new scale emptied
    Count(want, 11, "NC") = Count(want, 11, "NC", false) = 3;
    Count(want, 11, "60") = 4;
    EXPECT_EQ(std::memcmp(&t, &want, sizeof t), 0);

    const uint32_t max = std::numeric_limits<uint32_t>::max();
    Count(t, 11, "NC") = max - 1;
    RemapTournamentColumns(t, 11, 2);
    EXPECT_EQ(Count(t, 2, "NC"), max);
}

TEST(ImportListing, MovingBetweenDirectories) {
    test::TempDir d;
    fs::create_directory(d.path() + "zeta");
    const std::string root = fs::canonical(d.path()).string();
    EXPECT_EQ(EnterDirectory(root, "zeta"), root + "/zeta");
    EXPECT_EQ(EnterDirectory(root + "/zeta", ".."), root);
    EXPECT_FALSE(SameDirectory(root + "/zeta", root));
}

} // namespace
} // namespace zel
