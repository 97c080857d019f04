// The main window's commands.
#include "shell/command_table.h"

#include "shell/shared_state.h"

#include <algorithm>

namespace zel {

const std::vector<CommandEntry> &CommandTable() {
    // Results, tournaments, recap, details and graphs read the loaded
    // player's records: after "Fermer" or a deletion the closed player's
    // counts stay in the profile, so a player must be loaded as well.
    static const std::vector<CommandEntry> table = {
        {{101, 0, 0}, Action::Quit, Guard::None, Step::None, When::Always, 0},
        {{201, 0, 0}, Action::Dialog, Guard::None, Step::None, When::Always, 0},
        {{301, 19000, 40001}, Action::Dialog, Guard::None, Step::N, When::ResultIs, 300},
        {{302, 19001, 40018}, Action::Dialog, Guard::None, Step::L, When::ResultIs, 302},
        {{40005, 0, 0}, Action::Dialog, Guard::None, Step::Refresh, When::ResultIs, 302},
        {{304, 0, 0}, Action::Dialog, Guard::None, Step::Refresh, When::Always, 0},
        {{305, 0, 0}, Action::ClosePlayer, Guard::None, Step::Refresh, When::Always, 0},
        {{40017, 40029, 0}, Action::Dialog, Guard::None, Step::None, When::Always, 0},
        {{2101, 19002, 40019}, Action::Dialog, Guard::PlayerLoaded, Step::D, When::ResultIs, 302},
        {{502, 19003, 40028}, Action::Dialog, Guard::LoadedWithDays, Step::None, When::Always, 0},
        {{2102, 0, 0}, Action::Dialog, Guard::None, Step::M, When::Always, 0},
        {{40013, 19005, 40024}, Action::Dialog, Guard::PlayerLoaded, Step::T, When::NonZero, 0},
        {{40014, 19006, 40023}, Action::Dialog, Guard::LoadedWithTournaments, Step::None, When::Always, 0},
        {{40015, 0, 0}, Action::Dialog, Guard::None, Step::U, When::Always, 0},
        {{40007, 19004, 40026},
         Action::Dialog,
         Guard::LoadedWithDaysOrTournaments,
         Step::None,
         When::Always,
         0},
        {{40008, 40025, 0}, Action::Dialog, Guard::LoadedWithDays, Step::None, When::Always, 0},
        {{40010, 40027, 0}, Action::Dialog, Guard::LoadedWithDays, Step::None, When::Always, 0},
        {{40030, 0, 0}, Action::Dialog, Guard::LoadedWithDaysOrTournaments, Step::None, When::Always, 0},
        {{40022, 0, 0}, Action::Dialog, Guard::None, Step::None, When::Always, 0},
        {{40002, 0, 0}, Action::Help, Guard::None, Step::None, When::Always, 0},
    };
    return table;
}

const CommandEntry *FindCommand(int id) {
    if (id == 0)
        return nullptr;
    for (const CommandEntry &e : CommandTable())
        if (std::find(e.ids.begin(), e.ids.end(), id) != e.ids.end())
            return &e;
    return nullptr;
}

bool GuardHolds(Guard guard, const SharedState &s) {
    const bool loaded = s.Player_State != 0;
    switch (guard) {
    case Guard::None:
        return true;
    case Guard::PlayerLoaded:
        return loaded;
    case Guard::LoadedWithDays:
        return loaded && s.dayCount() >= 1;
    case Guard::LoadedWithTournaments:
        return loaded && s.tournamentCount() >= 1;
    case Guard::LoadedWithDaysOrTournaments:
        return loaded && (s.dayCount() >= 1 || s.tournamentCount() >= 1);
    }
    return false;
}

bool StepRuns(const CommandEntry &entry, int result) {
    switch (entry.when) {
    case When::Always:
        return true;
    case When::ResultIs:
        return result == entry.result;
    case When::NonZero:
        return result != 0;
    }
    return false;
}

} // namespace zel
