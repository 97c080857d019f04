// Filling the day form the way a user types it.
#pragma once

#include "platform/template_dialog.h"
#include "resources/templates/day_form_template.h"

#include <array>
#include <utility>

namespace zel::test {

// A valid header: 12/10, day 3, D1 poule 2, letter A, poule B, at home.
inline void FillHeader(TemplateForm &f) {
    const std::pair<int, const char *> fields[] = {
        {kDayEdit, "12"},          {kMonthEdit, "10"},        {kNumberEdit, "3"},
        {kDivisionCombo, "D1"},    {kDivisionPouleEdit, "2"}, {kClubEdit, "Club Rival"},
        {kPlaceCombo, "Domicile"}, {kTeamLetterCombo, "A"},   {kPouleCombo, "B"}};
    for (const auto &[id, text] : fields)
        f.setText(id, text);
}

// The scores of one match as {player, opponent} of each set; an empty field for a 0.
inline void FillSets(TemplateForm &f, const int *player, const int *opponent, std::array<int, 6> scores) {
    for (std::size_t i = 0; i < 6; ++i)
        f.setText(i % 2 ? opponent[i / 2] : player[i / 2], scores[i] ? QString::number(scores[i]) : "");
}

inline void FillSingle(TemplateForm &f, int k, const QString &label, std::array<int, 6> scores) {
    const SingleControls &c = kSingleControls[std::size_t(k)];
    f.setText(c.classement, label);
    FillSets(f, c.player, c.opponent, scores);
}

// A valid header and only the first single ticked, with `scores` against a "20".
inline void FillOneSingleDay(TemplateForm &f, std::array<int, 6> scores = {21, 19, 21, 17, 0, 0}) {
    FillHeader(f);
    for (int id : {1081, 1082, 1131, 1083})
        f.click(id);
    FillSingle(f, 0, "20", scores);
}

} // namespace zel::test
