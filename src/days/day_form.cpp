// Reading, checking, filling and writing the day sheet form.
#include "days/day_form.h"

#include "days/classement_scale.h"
#include "days/match_rules.h"
#include "platform/template_dialog.h"
#include "resources/templates/day_form_template.h"
#include "shell/shared_state.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <QString>

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace zel {

namespace {

constexpr std::array<const char *, 14> kDivisionLabels = {"SP", "N1", "N2", "N3", "N4", "R1", "R2",
                                                          "R3", "R4", "D1", "D2", "D3", "D4", "AD"};
// The place as records hold it (Windows-1252).
constexpr std::string_view kHome = "Domicile";
constexpr std::string_view kAway = "Ext\xe9rieur";

// The controls of a match row that its check box enables.
std::vector<int> SingleRow(const SingleControls &s) {
    std::vector<int> ids = {s.name, s.classement};
    for (int set = 0; set < 3; ++set)
        ids.insert(ids.end(), {s.player[set], s.opponent[set]});
    return ids;
}

std::vector<int> DoubleRow() {
    const DoubleControls &d = kDoubleControls;
    std::vector<int> ids;
    for (int k = 0; k < 3; ++k)
        ids.insert(ids.end(), {d.names[k], d.classements[k]});
    for (int set = 0; set < 3; ++set)
        ids.insert(ids.end(), {d.pair[set], d.opponents[set]});
    return ids;
}

char FirstChar(const TemplateForm &form, int id) {
    const std::string bytes = form.textCp1252(id, 1);
    return bytes.empty() ? '\0' : bytes[0];
}

void SetChar(TemplateForm &form, int id, char c) {
    form.setTextCp1252(id, c ? std::string_view(&c, 1) : std::string_view());
}

// A score shows nothing when it is 0.
void ShowScore(TemplateForm &form, int id, uint32_t score) {
    form.setText(id, score ? QString::number(score) : QString());
}

bool IsDivision(std::string_view label) {
    for (const char *d : kDivisionLabels)
        if (label == d)
            return true;
    return false;
}

// Marks a rule's control: erased when it holds, red when broken.
bool Rule(TemplateForm &form, bool holds, int id, int x, int y) {
    form.markControl(id, x, y, holds ? kMarkFace : kMarkRed);
    return holds;
}

int CheckSetMarked(TemplateForm &form, uint32_t a, uint32_t b, int id_a, int id_b) {
    const int r = CheckSet(a, b);
    const int colour = r != 0 ? kMarkFace : kMarkRed;
    form.markControl(id_a, kSetMarkX, kSetMarkY, colour);
    form.markControl(id_b, kSetMarkX, kSetMarkY, colour);
    return r;
}

// The sets of one match; ids of the player's (pair's) and the opponents' score fields.
bool ValidateSets(TemplateForm &form, const uint32_t (&a)[3], const uint32_t (&b)[3], const int (&ids_a)[3],
                  const int (&ids_b)[3]) {
    const int r1 = CheckSetMarked(form, a[0], b[0], ids_a[0], ids_b[0]);
    const int r2 = CheckSetMarked(form, a[1], b[1], ids_a[1], ids_b[1]);
    bool ok = r1 != 0 && r2 != 0;
    if (r1 + r2 == 0) {
        // Split sets (or undecided ones): the third set must decide.
        form.markControl(ids_a[2], kSetMarkX, kSetMarkY, kMarkRed);
        form.markControl(ids_b[2], kSetMarkX, kSetMarkY, kMarkRed);
        if (CheckSetMarked(form, a[2], b[2], ids_a[2], ids_b[2]) == 0)
            ok = false;
    } else {
        const bool third_empty = a[2] == 0 && b[2] == 0;
        form.markControl(ids_a[2], kSetMarkX, kSetMarkY, third_empty ? kMarkFace : kMarkRed);
        form.markControl(ids_b[2], kSetMarkX, kSetMarkY, third_empty ? kMarkFace : kMarkRed);
        if (!third_empty)
            ok = false;
    }
    return ok;
}

} // namespace

void NameDayFormCells(TemplateForm &form) {
    static constexpr const char *kMatch[4] = {"1er Match", "2e Match", "3e Match", "4e Match"};
    static constexpr const char *kSet[3] = {"1er set", "2e set", "3e set"};
    for (int k = 0; k < 4; ++k) {
        const SingleControls &s = kSingleControls[std::size_t(k)];
        const QString m = QString::fromUtf8(kMatch[k]);
        form.nameControl(s.name, m + " : nom de l'adversaire");
        form.nameControl(s.classement, m + " : classement de l'adversaire");
        for (int set = 0; set < 3; ++set) {
            form.nameControl(s.player[set], m + " : " + kSet[set] + ", joueur");
            form.nameControl(s.opponent[set], m + " : " + kSet[set] + ", adversaire");
        }
        form.nameControl(s.points, m + " : points");
    }
    static constexpr const char *kWho[3] = {"Coéquipier", "Adversaire 1", "Adversaire 2"};
    for (int k = 0; k < 3; ++k) {
        form.nameControl(kDoubleControls.names[k], QString::fromUtf8(kWho[k]));
        form.nameControl(kDoubleControls.classements[k], QString::fromUtf8(kWho[k]) + " : classement");
    }
    for (int set = 0; set < 3; ++set) {
        form.nameControl(kDoubleControls.pair[set], QStringLiteral("Double : ") + kSet[set] + ", paire");
        form.nameControl(kDoubleControls.opponents[set],
                         QStringLiteral("Double : ") + kSet[set] + ", adversaires");
    }
}

void InitDayFormLists(TemplateForm &form, const SharedState &state, bool fourth_single_limited) {
    for (const char *d : kDivisionLabels)
        form.addItem(kDivisionCombo, d);
    if (state.Current_Profile.sex == 'M') {
        form.addItem(kTypeCombo, "Masculin");
        form.setText(kTypeCombo, "Masculin");
        form.enable(kTypeCombo, false);
    } else {
        form.addItem(kTypeCombo, "Féminin");
        form.addItem(kTypeCombo, "Masculin");
        form.setText(kTypeCombo, "Féminin");
    }
    form.addItem(kPlaceCombo, "Domicile");
    form.addItem(kPlaceCombo, "Extérieur");
    form.addItem(kPouleCombo, "A");
    form.addItem(kPouleCombo, "B");
    form.addItem(kTeamLetterCombo, "A");
    form.addItem(kTeamLetterCombo, "X");
    const std::vector<std::string> scale = Extended_Scale(state);
    std::vector<int> combos;
    for (const SingleControls &s : kSingleControls)
        combos.push_back(s.classement);
    combos.insert(combos.end(), std::begin(kDoubleControls.classements),
                  std::end(kDoubleControls.classements));
    for (int id : combos)
        for (const std::string &label : scale)
            form.addItem(id, QString::fromStdString(Cp1252ToUtf8(label)));
    for (const auto &[id, limit] : kDayFormLimits)
        form.setLimit(id, limit);
    if (fourth_single_limited)
        for (int set = 0; set < 3; ++set) {
            form.setLimit(kSingleControls[3].player[set], kFourthSingleScoreLimit);
            form.setLimit(kSingleControls[3].opponent[set], kFourthSingleScoreLimit);
        }
    NameDayFormCells(form);
}

void EnableMatchRows(TemplateForm &form, Day_Sheet &record) {
    for (std::size_t k = 0; k < 4; ++k) {
        const bool on = form.checked(kSingleControls[k].check);
        for (int id : SingleRow(kSingleControls[k]))
            form.enable(id, on);
        record.singles[k].played = on ? 1 : 0;
    }
    const bool on = form.checked(kDoubleControls.check);
    for (int id : DoubleRow())
        form.enable(id, on);
    record.double_match.played = on ? 1 : 0;
}

namespace {

// The header fields that every form edits, new day or modified one.
void ReadHeaderFields(const TemplateForm &form, Day_Sheet &day) {
    SetFieldText(day.team, form.textCp1252(kTeamEdit, 127));
    SetFieldText(day.opponent_club, form.textCp1252(kClubEdit, 127));
    SetFieldText(day.place, form.textCp1252(kPlaceCombo, 9));
    day.day = static_cast<uint8_t>(form.number(kDayEdit));
    day.month = static_cast<uint8_t>(form.number(kMonthEdit));
    day.division_poule = FirstChar(form, kDivisionPouleEdit);
    day.poule = FirstChar(form, kPouleCombo);
    day.team_letter = FirstChar(form, kTeamLetterCombo);
    SetFieldText(day.division, form.textCp1252(kDivisionCombo, 2));
    day.number = form.number(kNumberEdit);
}

// Reads the matches whose played flag is set; an unplayed one keeps what is
// stored, since its disabled fields show nothing of it.
void ReadPlayedMatches(const TemplateForm &form, Day_Sheet &day, bool with_double) {
    for (std::size_t k = 0; k < 4; ++k) {
        Single_Slot &slot = day.singles[k];
        if (slot.played != 1)
            continue;
        const SingleControls &c = kSingleControls[k];
        SetFieldText(slot.name, form.textCp1252(c.name, 127));
        SetFieldText(slot.classement, form.textCp1252(c.classement, 3));
        for (int set = 0; set < 3; ++set) {
            slot.player_scores[set] = form.number(c.player[set]);
            slot.opponent_scores[set] = form.number(c.opponent[set]);
        }
        slot.points = form.signedNumber(c.points);
    }
    Double_Block &d = day.double_match;
    if (!with_double || d.played != 1)
        return;
    const DoubleControls &c = kDoubleControls;
    SetFieldText(d.partner, form.textCp1252(c.names[0], 127));
    SetFieldText(d.opponent1, form.textCp1252(c.names[1], 127));
    SetFieldText(d.opponent2, form.textCp1252(c.names[2], 127));
    SetFieldText(d.partner_classement, form.textCp1252(c.classements[0], 3));
    SetFieldText(d.opponent1_classement, form.textCp1252(c.classements[1], 3));
    SetFieldText(d.opponent2_classement, form.textCp1252(c.classements[2], 3));
    for (int set = 0; set < 3; ++set) {
        d.pair_scores[set] = form.number(c.pair[set]);
        d.opponent_scores[set] = form.number(c.opponents[set]);
    }
}

} // namespace

void ReadDayForm(const TemplateForm &form, const SharedState &state, Day_Sheet &out, int mode) {
    const bool whole = mode == kReadWholeForm;
    if (whole) {
        std::memset(out.season, 0, sizeof out.season);
        SetFieldText(out.season, form.textCp1252(kSeasonStatic, 31));
        out.type = form.text(kTypeCombo) == QStringLiteral("Masculin") ? 'M' : 'F';
        SetFieldText(out.classement, OwnClassement(state));
        ReadHeaderFields(form, out);
    }
    for (std::size_t k = 0; k < 4; ++k)
        out.singles[k].played = form.checked(kSingleControls[k].check) ? 1 : 0;
    out.double_match.played = form.checked(kDoubleControls.check) ? 1 : 0;
    ReadPlayedMatches(form, out, whole);
}

bool ValidateDaySheet(TemplateForm &form, const SharedState &state, const Day_Sheet &day) {
    form.clearMarks();
    bool ok = true;
    // A season read whole: a year the name cannot hold is a fault like any other.
    ok &= Rule(form, IsSeasonYear(SeasonFirstYear(FieldText(day.season))), kSeasonStatic, 12, -8);
    const std::string_view place = FieldText(day.place);
    ok &= Rule(form, place == kHome || place == kAway, kPlaceCombo, 36, -8);
    ok &= Rule(form, day.poule == 'A' || day.poule == 'B', kPouleCombo, 8, -8);
    ok &= Rule(form, day.team_letter == 'A' || day.team_letter == 'X', kTeamLetterCombo, 8, -8);
    const QString type = form.text(kTypeCombo);
    ok &= Rule(form, type == QStringLiteral("Masculin") || type == QStringLiteral("Féminin"), kTypeCombo, 36,
               -8);
    ok &= Rule(form, IsDivision(FieldText(day.division)), kDivisionCombo, 12, -8);
    for (std::size_t k = 0; k < 4; ++k) {
        const Single_Slot &slot = day.singles[k];
        if (slot.played != 1)
            continue;
        const SingleControls &c = kSingleControls[k];
        ok &= Rule(form, IsScaleLabel(state, FieldText(slot.classement)), c.classement, 12, -8);
        ok &= ValidateSets(form, slot.player_scores, slot.opponent_scores, c.player, c.opponent);
    }
    const Double_Block &d = day.double_match;
    if (d.played == 1) {
        const DoubleControls &c = kDoubleControls;
        ok &= Rule(form, IsScaleLabel(state, FieldText(d.partner_classement)), c.classements[0], 12, -8);
        ok &= Rule(form, IsScaleLabel(state, FieldText(d.opponent1_classement)), c.classements[1], 12, -8);
        ok &= Rule(form, IsScaleLabel(state, FieldText(d.opponent2_classement)), c.classements[2], 12, -8);
        ok &= ValidateSets(form, d.pair_scores, d.opponent_scores, c.pair, c.opponents);
    }
    return ok;
}

void ShowSinglePoints(TemplateForm &form, const SharedState &state, std::string_view own,
                      const Day_Sheet &day, bool played_only) {
    for (std::size_t k = 0; k < 4; ++k) {
        const SingleControls &c = kSingleControls[k];
        const std::string label = form.textCp1252(c.classement, 3);
        if (label.empty() || !IsScaleLabel(state, label))
            continue;
        if (played_only && day.singles[k].played != 1)
            continue;
        form.setNumber(c.points, PointsForMatch(ScaleLength(state), own, label, MatchResult(day.singles[k])));
    }
}

void FillDayForm(TemplateForm &form, const Day_Sheet &day) {
    // Typing limits of the page; the 4th single's scores keep theirs.
    for (const auto &[id, limit] : kDayFormLimits)
        form.setLimit(id, limit);
    form.setNumber(kNumberEdit, day.number);
    form.setNumber(kDayEdit, day.day);
    form.setNumber(kMonthEdit, day.month);
    form.setTextCp1252(kTeamEdit, FieldText(day.team));
    form.setTextCp1252(kClubEdit, FieldText(day.opponent_club));
    form.setTextCp1252(kSeasonStatic, FieldText(day.season));
    form.setText(kTypeCombo, day.type != 'M' ? QStringLiteral("Féminin") : QStringLiteral("Masculin"));

    for (std::size_t k = 0; k < 4; ++k) {
        const Single_Slot &slot = day.singles[k];
        const SingleControls &c = kSingleControls[k];
        if (slot.played != 1) {
            for (int id : SingleRow(c))
                form.enable(id, false);
            continue;
        }
        form.setChecked(c.check, true);
        for (int set = 0; set < 3; ++set) {
            ShowScore(form, c.player[set], slot.player_scores[set]);
            ShowScore(form, c.opponent[set], slot.opponent_scores[set]);
        }
        form.setTextCp1252(c.name, FieldText(slot.name));
        form.setTextCp1252(c.classement, FieldText(slot.classement));
        form.setNumber(c.points, slot.points);
    }
    const Double_Block &d = day.double_match;
    const DoubleControls &c = kDoubleControls;
    if (d.played != 1) {
        for (int id : DoubleRow())
            form.enable(id, false);
    } else {
        form.setChecked(c.check, true);
        form.setTextCp1252(c.names[0], FieldText(d.partner));
        form.setTextCp1252(c.names[1], FieldText(d.opponent1));
        form.setTextCp1252(c.names[2], FieldText(d.opponent2));
        form.setTextCp1252(c.classements[0], FieldText(d.partner_classement));
        form.setTextCp1252(c.classements[1], FieldText(d.opponent1_classement));
        form.setTextCp1252(c.classements[2], FieldText(d.opponent2_classement));
        for (int set = 0; set < 3; ++set) {
            ShowScore(form, c.pair[set], d.pair_scores[set]);
            ShowScore(form, c.opponents[set], d.opponent_scores[set]);
        }
    }
    form.setTextCp1252(kDivisionCombo, FieldText(day.division));
    SetChar(form, kDivisionPouleEdit, day.division_poule);
    SetChar(form, kTeamLetterCombo, day.team_letter);
    SetChar(form, kPouleCombo, day.poule);
    form.setTextCp1252(kPlaceCombo, FieldText(day.place));
}

void WriteDayForm(const TemplateForm &form, Day_Sheet &day) {
    SetFieldText(day.season, form.textCp1252(kSeasonStatic, sizeof day.season - 1));
    ReadHeaderFields(form, day);
    ReadPlayedMatches(form, day, true);
}

} // namespace zel
