// A loaded player in a temporary players' directory, a fake desktop, and
// helpers to type into tournament forms.
#pragma once

#include "days/classement_scale.h"
#include "resources/templates/tournament_table_template.h"
#include "support/fake_platform.h"
#include "tournaments/tournament_groups.h"

namespace zel::test {

inline constexpr int kTimer = 1; // the estimation's

inline int VictoryCell(std::string_view label) {
    return Victory_Cell_Ids[std::size_t(ClassementIndexOf(label))];
}
inline int DefeatCell(std::string_view label) {
    return Defeat_Cell_Ids[std::size_t(ClassementIndexOf(label))];
}

class TournamentDialogTest : public ::testing::Test {
  protected:
    // A player classed "30" whose championship goes down to "40" (N = 7).
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        state.User_Dir = dir.path().toStdString() + "/";
        SetFieldText(state.Current_Profile.name, "Martin");
        SetFieldText(state.Current_Profile.club, "AS Lyon");
        SetFieldText(state.Current_Profile.file_name, "martin.usr");
        setPlayer("30", 7);
        state.Player_State = 1;
        platform.fixedClock.set(Date{2001, 3, 15});
    }

    void setPlayer(const char *classement, int n) {
        SetFieldTextFull(state.Current_Profile.classement, classement);
        state.Current_Profile.scale_length = n;
        BuildClassementList(state);
    }

    std::string filePath() const { return state.User_Dir + "martin.usr"; }

    // What the player file on disk holds now.
    PlayerData onDisk() {
        PlayerData data;
        EXPECT_EQ(LoadPlayerFile(filePath(), data, platform), LoadResult::Ok);
        return data;
    }

    // A stored tournament: the sheet as the entry dialog would have made it.
    Tournament_Sheet tournament(const char *name, uint32_t day, uint32_t month, uint32_t year) {
        Tournament_Sheet t{};
        SetFieldText(t.name, name);
        t.day = day;
        t.month = month;
        t.year = year;
        SetFieldText(t.season, TournamentSeason(year, month));
        SetFieldText(t.classement, OwnClassement(state));
        return t;
    }
    void addStored(const Tournament_Sheet &t) {
        state.Mem_Tournois.resize(std::size_t(state.Current_Profile.tournament_count));
        state.Mem_Tournois.push_back(t);
        state.Current_Profile.tournament_count += 1;
    }
    void saveNow() { ASSERT_TRUE(SaveCurrentPlayer(state, platform)); }

    QTemporaryDir dir;
    SharedState state;
    FakePlatform platform;
};

} // namespace zel::test
