// Reading, checking, filling and writing the day sheet form (JOURNEEBOX, MODIFBOX, FEUILL1).
//
// The form's controls and ids are in resources/templates/day_form_template.h. Every
// function works on any of the three templates: a control a template lacks is skipped.
#pragma once

#include "days/day_sheet.h"

#include <cstdint>
#include <string_view>

namespace zel {

class TemplateForm;
struct SharedState;

// Modes of ReadDayForm.
inline constexpr int kReadWholeForm = 35;  // everything
inline constexpr int kReadPlayedOnly = 36; // the five played flags and the played singles

// Where validation marks stand, relative to the marked control (pixels).
inline constexpr int kSetMarkX = 12, kSetMarkY = -10;

// The entries and typing limits of an editable form (JOURNEEBOX, MODIFBOX):
// divisions, championship type by the player's sex, place, letters, the player's
// Extended_Scale in the seven classement combos. `fourth_single_limited` gives
// the 4th single's score fields their 2-digit limit (the modification page).
void InitDayFormLists(TemplateForm &form, const SharedState &state, bool fourth_single_limited);

// Gives each cell of the match grid the name a screen reader announces: its
// match and its column ("2e Match : 1er set, adversaire").
void NameDayFormCells(TemplateForm &form);

// Enables each match row whose check box is ticked, disables the others, and
// writes the five played flags into `record`.
void EnableMatchRows(TemplateForm &form, Day_Sheet &record);

// Copies the form into `out`. Whole-form mode clears the season bytes and takes the
// player's own classement from the profile. Unplayed matches are not read.
void ReadDayForm(const TemplateForm &form, const SharedState &state, Day_Sheet &out, int mode);

// Checks `day` (as ReadDayForm read it) and marks each checked control: red when
// faulty, erased when right. Empties the form's mark list first. Unplayed matches
// are not examined.
bool ValidateDaySheet(TemplateForm &form, const SharedState &state, const Day_Sheet &day);

// Shows, in the "Point" field of each single whose classement text is on the
// player's scale, the points its scores in `day` give a player classed `own` (9
// while they decide nothing). Other fields keep their text. With `played_only`,
// singles whose flag in `day` is 0 are left alone too.
void ShowSinglePoints(TemplateForm &form, const SharedState &state, std::string_view own,
                      const Day_Sheet &day, bool played_only);

// Fills a page from a stored day; a 0 score shows an empty field and the rows of
// unplayed matches are disabled.
void FillDayForm(TemplateForm &form, const Day_Sheet &day);

// Writes a page back into a stored day, every field as shown (the season name
// whole, up to what its field holds). The played flags, the championship type
// and the player's own classement are not written; neither is any match whose
// flag in `day` is 0, which keeps its stored bytes.
void WriteDayForm(const TemplateForm &form, Day_Sheet &day);

} // namespace zel
