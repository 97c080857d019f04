// The championship lists, the day viewer and the day modification dialog.
#include "days/championship_dialogs.h"

#include "days/day_form.h"
#include "days/match_rules.h"
#include "platform/platform.h"
#include "platform/season_list.h"
#include "platform/tabbed_pages.h"
#include "resources/templates/feuill1_template.h"
#include "resources/templates/modif_champ_template.h"
#include "resources/templates/modif_day_template.h"
#include "resources/templates/modifbox_template.h"
#include "resources/templates/view_champ_template.h"
#include "resources/templates/view_day_template.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <algorithm>

namespace zel {

namespace {

constexpr int kList = 1072, kTabs = 1068;

// Days are grouped by the first 24 bytes of their season names.
std::string GroupKey(std::string_view name) {
    return std::string(name.substr(0, 24));
}

QString Text(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QString TabText(const Day_Sheet &day) {
    return QStringLiteral("Journée n°%1").arg(static_cast<int32_t>(day.number));
}

} // namespace

void BackupDays(SharedState &state) {
    const int count = UsedDayCount(state);
    state.Mem_Buffer.days.assign(state.Mem_Days.begin(), state.Mem_Days.begin() + count);
}

void RestoreDays(SharedState &state) {
    const std::vector<Day_Sheet> &backup = state.Mem_Buffer.days;
    if (state.Mem_Days.size() < backup.size())
        state.Mem_Days.resize(backup.size(), Day_Sheet{});
    std::copy(backup.begin(), backup.end(), state.Mem_Days.begin());
    state.Current_Profile.day_count = static_cast<int32_t>(backup.size());
}

// ---------------------------------------------------------------------------------------
// VIEW_CHAMP, MODIF_CHAMP

ChampionshipListDialog::ChampionshipListDialog(Purpose purpose, SharedState &state, Platform &platform,
                                               QWidget *parent)
    : TemplateDialog(purpose == Purpose::View ? kViewChampTemplate : kModifChampTemplate, parent),
      purpose_(purpose), state_(state), platform_(platform),
      list_(new SeasonList({{QStringLiteral("Championnat"), 100, Qt::AlignLeft},
                            {purpose == Purpose::View ? QStringLiteral("Nombre de journées")
                                                      : QStringLiteral("Nombre de journée"),
                             110, Qt::AlignRight},
                            {QStringLiteral("Classement"), 80, Qt::AlignRight},
                            {QStringLiteral("Club"), 100, Qt::AlignLeft},
                            {QStringLiteral("Points"), 60, Qt::AlignRight}})) {
    replaceControl(kList, list_);
    connect(list_, &SeasonList::rowStateChanged, this, [this] { enable(1037, true); });
    rebuildRows();
    list_->setFocus();
}

// The list asks for its texts until it is gone: it goes before them.
ChampionshipListDialog::~ChampionshipListDialog() {
    delete list_;
}

void ChampionshipListDialog::rebuildRows() {
    table_ = GroupDays(state_);
    rows_.clear();
    const QString club = Text(FieldText(state_.Current_Profile.club));
    for (const Championship_Entry &e : table_) {
        const std::string_view name = e.name;
        rows_.push_back({Text(name.size() > 12 ? name.substr(12) : std::string_view()),
                         QString::number(e.dayCount()), Text(e.classement), club,
                         QString::number(e.total_points)});
    }
    list_->setRows(static_cast<int>(rows_.size()), [this](int source, int column) {
        return rows_[std::size_t(source)][std::size_t(column)];
    });
    enable(1037, false); // "&Valider"
}

void ChampionshipListDialog::onCommand(int id, int) {
    if (id == 1037) // "&Valider"
        openChosen();
    else if (id == 1038) // "&Fermer"
        done(1);
    // Escape and the close box do nothing here.
}

void ChampionshipListDialog::openChosen() {
    const int chosen = list_->currentSource();
    if (chosen < 0 || chosen >= static_cast<int>(table_.size()))
        return; // no row selected: nothing to open
    chosen_ = chosen;
    if (purpose_ == Purpose::View) {
        DayViewerDialog viewer(state_, table_[std::size_t(chosen)], this);
        platform_.runModal(viewer);
        return;
    }
    BackupDays(state_);
    {
        ModifyDaysDialog modify(state_, platform_, table_[std::size_t(chosen)], this);
        platform_.runModal(modify);
    }
    rebuildRows();
}

// ---------------------------------------------------------------------------------------
// VIEW_DAY

DayViewerDialog::DayViewerDialog(const SharedState &state, const Championship_Entry &championship,
                                 QWidget *parent)
    : TemplateDialog(kViewDayTemplate, parent), state_(state), days_(championship.days),
      tabs_(new TabbedPages) {
    setWindowTitle(QStringLiteral("Journées d'un championnat : Visualisation"));
    replaceControl(kTabs, tabs_);
    tabs_->setPageFactory([this](int tab, QWidget *area) -> QWidget * {
        auto *page = new TemplatePage(kFeuill1Template, area);
        NameDayFormCells(*page);
        FillDayForm(*page, state_.Mem_Days[std::size_t(days_[std::size_t(tab)])]);
        return page;
    });
    for (int32_t index : days_)
        tabs_->addTab(TabText(state_.Mem_Days[std::size_t(index)]));
    tabs_->setCurrentTabQuietly(0);
    tabs_->rebuildPage();
}

TemplatePage *DayViewerDialog::page() const {
    return qobject_cast<TemplatePage *>(tabs_->page());
}

void DayViewerDialog::onCommand(int id, int) {
    if (id == 1037) // "&OK"
        done(1);
    // Only "OK" closes the viewer; Escape does nothing.
}

// ---------------------------------------------------------------------------------------
// MODIF_DAY

ModifyDaysDialog::ModifyDaysDialog(SharedState &state, Platform &platform,
                                   const Championship_Entry &championship, QWidget *parent)
    : TemplateDialog(kModifDayTemplate, parent), state_(state), platform_(platform),
      key_(GroupKey(championship.name)), days_(championship.days), tabs_(new TabbedPages) {
    replaceControl(kTabs, tabs_);
    tabs_->setPageFactory([this](int tab, QWidget *area) { return makePage(tab, area); });
    // A page is written back only when it is valid; an invalid one keeps its tab.
    tabs_->setChangeGuard([this](int from, int) { return writeBackPage(from); });
    for (int32_t index : days_)
        tabs_->addTab(TabText(state_.Mem_Days[std::size_t(index)]));
    tabs_->setCurrentTabQuietly(0);
    tabs_->rebuildPage();
    setTimer(kModifyDayTimer, kModifyTimerPeriod);
}

TemplatePage *ModifyDaysDialog::page() const {
    return qobject_cast<TemplatePage *>(tabs_->page());
}

int ModifyDaysDialog::modifTab() const {
    return tabs_->currentTab();
}

int ModifyDaysDialog::shownDay() const {
    const int tab = modifTab();
    return tab >= 0 && tab < static_cast<int>(days_.size()) ? days_[std::size_t(tab)] : -1;
}

QWidget *ModifyDaysDialog::makePage(int tab, QWidget *parent) {
    const Day_Sheet &day = state_.Mem_Days[std::size_t(days_[std::size_t(tab)])];
    auto *page = new TemplatePage(kModifBoxTemplate, parent);
    InitDayFormLists(*page, state_, true);
    page_season_ = SeasonFirstYear(FieldText(day.season));
    FillDayForm(*page, day);
    page->setCommandHandler([this](int id, int code) { onPageCommand(id, code); });
    return page;
}

void ModifyDaysDialog::onPageCommand(int id, int code) {
    TemplatePage *p = page();
    const int index = shownDay();
    if (!p || index < 0)
        return;
    if (code == kClicked)
        EnableMatchRows(*p, state_.Mem_Days[std::size_t(index)]);
    if (id == kSeasonPlus || id == kSeasonMinus) {
        page_season_ = StepSeasonYear(page_season_, id == kSeasonPlus ? 1 : -1);
        p->setTextCp1252(kSeasonStatic, SeasonName(page_season_));
    }
}

void ModifyDaysDialog::onTimer(int timer_id) {
    if (timer_id == kModifyDayTimer)
        showPoints();
}

void ModifyDaysDialog::showPoints() {
    TemplatePage *p = page();
    const int index = shownDay();
    if (!p || index < 0)
        return;
    ReadDayForm(*p, state_, state_.Day_Work_Record, kReadPlayedOnly);
    // The points of a day are those of the classement the player had that day:
    // today's would silently rewrite every older season visited.
    const Day_Sheet &shown = state_.Mem_Days[std::size_t(index)];
    ShowSinglePoints(*p, state_, FieldText(shown.classement), state_.Day_Work_Record, true);
}

bool ModifyDaysDialog::writeBackPage(int tab) {
    TemplatePage *p = page();
    if (!p || tab < 0 || tab >= static_cast<int>(days_.size()))
        return true;
    // Points of the scores as they stand now, whatever the timer last showed.
    showPoints();
    ReadDayForm(*p, state_, state_.Day_Work_Record, kReadWholeForm);
    if (!ValidateDaySheet(*p, state_, state_.Day_Work_Record))
        return false;
    WriteDayForm(*p, state_.Mem_Days[std::size_t(days_[std::size_t(tab)])]);
    return true;
}

// After the store changed under the dialog: the championship's days again, found by
// its name; false when it has none left.
bool ModifyDaysDialog::reloadChampionship() {
    const std::vector<Championship_Entry> table = GroupDays(state_);
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const Championship_Entry &e) { return GroupKey(e.name) == key_; });
    if (it == table.end() || it->days.empty())
        return false;
    days_ = it->days;
    tabs_->clearTabs();
    for (int32_t index : days_)
        tabs_->addTab(TabText(state_.Mem_Days[std::size_t(index)]));
    tabs_->setCurrentTabQuietly(0);
    tabs_->rebuildPage();
    return true;
}

void ModifyDaysDialog::onCommand(int id, int) {
    switch (id) {
    case 1037: // "&Valider"
        validate();
        break;
    case 1038: // "&Annuler"
        cancel();
        break;
    case 1039: // "&Supprimer"
        deleteShownDay();
        break;
    default: // Escape and the close box do nothing
        break;
    }
}

void ModifyDaysDialog::validate() {
    const int tab = modifTab();
    if (!SavePlayerChange(state_, platform_, [&](SharedState &) { return writeBackPage(tab); }))
        return; // marks show the faults, or the failed save was reported: the dialog stays
    stopTimer(kModifyDayTimer);
    done(1);
}

void ModifyDaysDialog::cancel() {
    // While nothing was saved since the opening the file still holds the backup.
    if (file_changed_) {
        if (!SavePlayerChange(state_, platform_, [](SharedState &s) {
                RestoreDays(s);
                return true;
            }))
            return; // reported: the user may try again
    } else {
        RestoreDays(state_);
    }
    stopTimer(kModifyDayTimer);
    done(1);
}

void ModifyDaysDialog::deleteShownDay() {
    const int index = shownDay();
    if (index < 0)
        return;
    if (!platform_.askYesNo("Suppression de cet onglet ???", "Confirmation de suppression",
                            Icon::Exclamation))
        return;
    if (!SavePlayerChange(state_, platform_, [index](SharedState &s) { return DeleteDay(s, index); }))
        return; // reported; the day is still there
    file_changed_ = true;
    if (state_.dayCount() < 1 || !reloadChampionship()) {
        stopTimer(kModifyDayTimer);
        done(1);
    }
}

} // namespace zel
