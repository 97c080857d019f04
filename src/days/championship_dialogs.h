// The championship lists (VIEW_CHAMP, MODIF_CHAMP), the day viewer (VIEW_DAY) and the
// day modification dialog (MODIF_DAY).
#pragma once

#include "days/day_store.h"
#include "platform/template_dialog.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zel {

struct SharedState;
class Platform;
class SeasonList;
class TabbedPages;

inline constexpr int kModifyDayTimer = 1;

// One dialog for both lists: what "Valider" opens is the difference.
class ChampionshipListDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    enum class Purpose { View, Modify };
    ChampionshipListDialog(Purpose purpose, SharedState &state, Platform &platform,
                           QWidget *parent = nullptr);
    ~ChampionshipListDialog() override;

    SeasonList &list() const { return *list_; }
    // Chosen_Championship: the table index "Valider" last opened, -1 before.
    int chosenChampionship() const { return chosen_; }
    const std::vector<Championship_Entry> &championships() const { return table_; }

  protected:
    void onCommand(int id, int code) override;

  private:
    void rebuildRows();
    void openChosen();

    Purpose purpose_;
    SharedState &state_;
    Platform &platform_;
    SeasonList *list_;
    std::vector<Championship_Entry> table_;
    std::vector<std::array<QString, 5>> rows_; // List_Rows, in table order
    int chosen_ = -1;
};

// The days of one championship, read-only, one tab each.
class DayViewerDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    DayViewerDialog(const SharedState &state, const Championship_Entry &championship,
                    QWidget *parent = nullptr);
    TabbedPages &tabs() const { return *tabs_; }
    TemplatePage *page() const; // Tab_Page

  protected:
    void onCommand(int id, int code) override;

  private:
    const SharedState &state_;
    std::vector<int32_t> days_;
    TabbedPages *tabs_;
};

// The days of one championship, editable; changes go into the day store at once
// and "Annuler" puts back the copy taken at opening.
class ModifyDaysDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    // The backup must be in state.Mem_Buffer.days already.
    ModifyDaysDialog(SharedState &state, Platform &platform, const Championship_Entry &championship,
                     QWidget *parent = nullptr);
    TabbedPages &tabs() const { return *tabs_; }
    TemplatePage *page() const; // Tab_Page
    int modifTab() const;       // Modif_Tab
    int shownDay() const;       // the store index of the day on screen
    int32_t pageSeason() const { return page_season_; }

  protected:
    void onCommand(int id, int code) override;
    void onTimer(int timer_id) override;

  private:
    QWidget *makePage(int tab, QWidget *parent);
    void onPageCommand(int id, int code);
    void showPoints();
    bool writeBackPage(int tab);
    bool reloadChampionship();
    void validate();
    void cancel();
    void deleteShownDay();

    SharedState &state_;
    Platform &platform_;
    std::string key_; // the championship's grouping key (first 24 bytes of its name)
    std::vector<int32_t> days_;
    int32_t page_season_ = 0;   // Page_Season
    bool file_changed_ = false; // a deletion was saved since the opening
    TabbedPages *tabs_;
};

// Copies the days in use to state.Mem_Buffer.days (the backup of MODIF_DAY).
void BackupDays(SharedState &state);
// Puts the backup back as the days in use.
void RestoreDays(SharedState &state);

} // namespace zel
