// JOURNEEBOX: entry of a new championship day.
#include "days/day_entry_dialog.h"

#include "days/classement_scale.h"
#include "days/day_form.h"
#include "days/day_store.h"
#include "days/match_rules.h"
#include "platform/platform.h"
#include "resources/templates/journeebox_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/fixed_text.h"

namespace zel {

namespace {
constexpr int kValider = 1037, kAnnuler = 1038;
} // namespace

DayEntryDialog::DayEntryDialog(SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kJourneeBoxTemplate, parent), state_(state), platform_(platform) {
    clearMarks();
    state_.Day_Work_Record = Day_Sheet{};
    setTimer(kDayEntryTimer, kEntryTimerPeriod);
    for (const SingleControls &s : kSingleControls)
        setChecked(s.check, true);
    setChecked(kDoubleControls.check, true);
    for (Single_Slot &slot : state_.Day_Work_Record.singles)
        slot.played = 1;
    state_.Day_Work_Record.double_match.played = 1;

    current_season_ = ProposedSeasonYear(platform_.clock());
    setTextCp1252(kSeasonStatic, SeasonName(current_season_));
    InitDayFormLists(*this, state_, false);
    for (const SingleControls &s : kSingleControls)
        setText(s.name, QStringLiteral("Anonyme"));
    for (int id : kDoubleControls.names)
        setText(id, QStringLiteral("Anonyme"));
    setTextCp1252(kTeamEdit, FieldText(state_.Current_Profile.club));
}

void DayEntryDialog::onCommand(int id, int code) {
    if (code == kClicked)
        EnableMatchRows(*this, state_.Day_Work_Record);
    switch (id) {
    case kValider:
        store();
        break;
    case kAnnuler:
        stopTimer(kDayEntryTimer);
        done(1);
        break;
    case kSeasonPlus:
    case kSeasonMinus:
        current_season_ = StepSeasonYear(current_season_, id == kSeasonPlus ? 1 : -1);
        setTextCp1252(kSeasonStatic, SeasonName(current_season_));
        break;
    default: // Escape and the close box do nothing: only "Annuler" leaves without storing
        break;
    }
}

void DayEntryDialog::onTimer(int timer_id) {
    if (timer_id == kDayEntryTimer)
        showPoints();
}

void DayEntryDialog::showPoints() {
    ReadDayForm(*this, state_, state_.Day_Work_Record, kReadPlayedOnly);
    ShowSinglePoints(*this, state_, OwnClassement(state_), state_.Day_Work_Record, false);
}

void DayEntryDialog::store() {
    // The points stored are those of the scores as typed now, not of the last tick.
    showPoints();
    ReadDayForm(*this, state_, state_.Day_Work_Record, kReadWholeForm);
    if (!ValidateDaySheet(*this, state_, state_.Day_Work_Record))
        return;
    const bool stored = SavePlayerChange(state_, platform_, [this](SharedState &s) {
        if (AppendDay(s, FitsOneMoreDay))
            return true;
        platform_.message("Le fichier du joueur est plein : cette journée ne peut pas être enregistrée.",
                          "Zel Manager", Icon::Exclamation);
        return false;
    });
    if (!stored)
        return; // said why; the day is not kept and the form stays as typed
    stopTimer(kDayEntryTimer);
    done(kDayStored);
}

} // namespace zel
