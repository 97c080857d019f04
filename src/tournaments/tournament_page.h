// What every tournament form shares: reading it into a record, filling it from
// one, the estimation field and the classement heads drawn over their cells.
#pragma once

#include "tournaments/tournament_sheet.h"

#include <string>
#include <vector>

namespace zel {

class TemplateForm;
struct SharedState;

// Lays the heads 1082 one by one over their cells and names each cell after
// its row and classement for screen readers. Call once the form is built.
void PrepareTournamentForm(TemplateForm &form);

// Name, date and the counts of the player's columns (1T .. the lowest
// classement, then "NC" from the last cells), as shown. Columns the player's
// scale does not use and the fields the form does not show (season, classement,
// points: see StampTournament) keep what `sheet` held.
void ReadTournamentPage(const TemplateForm &form, const SharedState &state, Tournament_Sheet &sheet);

// Shows `sheet` on a page: its name, date and used columns (the "NC" column in
// the last cells; cells of classements weaker than the player's lowest stay
// as they are), the player's labels in 107 with the own one selected, and the
// estimation for it in 1113.
void FillTournamentPage(TemplateForm &form, const SharedState &state, const Tournament_Sheet &sheet);

// Puts the player's labels ("NC", the lowest classement ... "15") into 107 and
// selects the own classement; -1 when it is not among them.
int FillClassementChoice(TemplateForm &form, const SharedState &state);

// 1113 = the estimation of `sheet` for the label chosen in 107, or empty when
// no label is chosen.
void ShowEstimation(TemplateForm &form, const SharedState &state, const Tournament_Sheet &sheet);

} // namespace zel
