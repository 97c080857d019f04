// DETAILBOX.
#include "stats/details_dialog.h"

#include "resources/templates/details_template.h"
#include "shell/shared_state.h"
#include "stats/details.h"
#include "stats/statistics.h"

#include <utility>

namespace zel {

namespace {

constexpr int kChampionship = 1052;
constexpr int kNext = 1064;
constexpr int kPrevious = 1065;
constexpr int kOk = 1037;

// Ids of one row of figures: matches, victories, average, percentage.
struct Row_Ids {
    int matches, victories, average, percentage;
};
constexpr Row_Ids kGeneral{1060, 1073, 1053, 1066};
constexpr Row_Ids kPouleA{1062, 1075, 1056, 1067};
constexpr Row_Ids kPouleB{1061, 1074, 1057, 1068};

} // namespace

DetailsDialog::DetailsDialog(const SharedState &state, QWidget *parent)
    : TemplateDialog(kDetailsTemplate, parent), state_(state) {
    const auto name_row = [this](const Row_Ids &ids, const QString &row) {
        nameControl(ids.matches, QStringLiteral("Total Match ") + row);
        nameControl(ids.victories, QStringLiteral("Victoire(s) ") + row);
        nameControl(ids.average, QStringLiteral("Moyenne de victoire(s) par journées ") + row);
        nameControl(ids.percentage, QStringLiteral("Pourcentage de victoire(s) ") + row);
    };
    name_row(kGeneral, QStringLiteral("Général"));
    name_row(kPouleA, QStringLiteral("Poule A"));
    name_row(kPouleB, QStringLiteral("Poule B"));
    nameControl(1069, QStringLiteral("Nombres de belles"));
    nameControl(1070, QStringLiteral("Belles gagnées"));
    nameControl(1071, QStringLiteral("Belles perdues"));
    nameControl(1081, QStringLiteral("Victoire(s) à domicile"));
    nameControl(1082, QStringLiteral("Défaite(s) à domicile"));
    nameControl(1083, QStringLiteral("Victoire(s) à l'extérieur"));
    nameControl(1084, QStringLiteral("Défaite(s) à l'extérieur"));

    championships_ = GroupDays(state_);
    current_ = championships_.empty() ? 0 : int(championships_.size()) - 1;
    display();
}

void DetailsDialog::display() {
    if (championships_.empty())
        return;
    const Championship_Entry &entry = championships_[current_];
    const Championship_Details d = ComputeDetails(state_, entry);
    setTextCp1252(kChampionship, entry.name);
    const std::pair<Row_Ids, Details_Row> rows[] = {
        {kGeneral, d.general}, {kPouleA, d.poule_a}, {kPouleB, d.poule_b}};
    for (const auto &[ids, row] : rows) {
        setNumber(ids.matches, row.matches);
        setNumber(ids.victories, row.victories);
        setText(ids.average, QString::asprintf("%1.2f", double(row.average)));
        setText(ids.percentage, QString::asprintf("%d %%", row.percentage));
    }
    setNumber(1069, d.belles);
    setNumber(1070, d.belles_won);
    setNumber(1071, d.belles_lost);
    setNumber(1081, d.home_victories);
    setNumber(1082, d.home_defeats);
    setNumber(1083, d.away_victories);
    setNumber(1084, d.away_defeats);
}

void DetailsDialog::onCommand(int id, int code) {
    if (code != kClicked)
        return;
    const int count = int(championships_.size());
    int index = current_;
    switch (id) {
    case kOk:
    case kIdCancel: // Escape closes the details as "OK" does
        done(1);
        return;
    case kNext:
        index = NextChampionship(current_, count);
        break;
    case kPrevious:
        index = PreviousChampionship(current_, count);
        break;
    default:
        return;
    }
    if (index != current_) {
        current_ = index;
        display();
    }
}

} // namespace zel
