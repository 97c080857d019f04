// The main window's commands: which ids open what, under which guard, and how
// the menus and toolbar follow afterwards.
#pragma once

#include <array>
#include <vector>

namespace zel {

struct SharedState;

enum class Guard {
    None,
    PlayerLoaded,                // Player_State != 0
    LoadedWithDays,              // ... and at least one day
    LoadedWithTournaments,       // ... and at least one tournament
    LoadedWithDaysOrTournaments, // ... and at least one of either
};

enum class Action { Dialog, Quit, ClosePlayer, Help };

// The command-state steps run after a dialog.
enum class Step { None, Refresh, L, N, D, M, T, U };

// When the step runs, by the value the dialog ended with.
enum class When { Always, ResultIs, NonZero };

struct CommandEntry {
    std::array<int, 3> ids; // the menu id first; 0 pads
    Action action;
    Guard guard;
    Step step;
    When when;
    int result; // for When::ResultIs
};

const std::vector<CommandEntry> &CommandTable();

// The entry for a menu, accelerator or toolbar id; nullptr for ids that do
// nothing (40012, 40016 and any other).
const CommandEntry *FindCommand(int id);

bool GuardHolds(Guard guard, const SharedState &s);

// Whether the step after the dialog runs for this result.
bool StepRuns(const CommandEntry &entry, int result);

// Menu ids of the item groups the steps gray and enable; toolbar buttons apart.
// "&Historique..." reads what the recap reads: it follows the recap's item.
inline constexpr std::array<int, 2> kRecapItems = {40007, 40030};
inline constexpr std::array<int, 4> kDayItems = {40008, 40010, 502, 2102};
inline constexpr std::array<int, 2> kTournamentItems = {40014, 40015};

} // namespace zel
