// RECAPBOX.
#include "stats/recap_dialog.h"

#include "platform/platform.h"

#include "days/classement_scale.h"
#include "resources/templates/recap_template.h"
#include "shell/shared_state.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace zel {

namespace {

constexpr int kChampionship = 1052;
constexpr int kNext = 1064;
constexpr int kPrevious = 1065;
constexpr int kWithTournaments = 1121;
constexpr int kWithoutTournaments = 1122;
constexpr int kVictoryTotal = 1111;
constexpr int kDefeatTotal = 1112;
constexpr int kClassement = 107;
constexpr int kEstimation = 1113;
constexpr int kOk = 1037;
constexpr int kPrint = 1038;

QString Label(std::string_view label) {
    return QString::fromLatin1(label.data(), qsizetype(label.size()));
}

} // namespace

RecapDialog::RecapDialog(const SharedState &state, Platform &platform, QWidget *parent)
    : TemplateDialog(kRecapTemplate, parent), state_(state), platform_(platform) {
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < Scale_Size; ++k)
            nameControl(Recap_Cell_Ids[row][k],
                        QStringLiteral("%1 %2").arg(row == 0 ? QStringLiteral("Victoire(s)")
                                                             : QStringLiteral("Défaite(s)"),
                                                    Label(Full_Scale[k])));
    nameControl(kVictoryTotal, QStringLiteral("Total des victoires"));
    nameControl(kDefeatTotal, QStringLiteral("Total des défaites"));
    nameControl(kEstimation, QStringLiteral("Points"));

    setChecked(kWithoutTournaments, true);
    setChecked(kWithTournaments, false);
    with_tournaments_ = false;

    // Both tables are always rebuilt, so a previous player's days never count.
    championships_ = GroupDays(state_);
    groups_ = GroupTournaments(state_);
    if (state_.dayCount() >= 1 && !championships_.empty()) {
        current_ = int(championships_.size()) - 1;
        refresh();
        setTextCp1252(kChampionship, championships_[current_].name);
        group_ = FindTournamentGroup(groups_, championships_[current_].name);
    } else if (state_.tournamentCount() >= 1 && !groups_.empty()) {
        setChecked(kWithTournaments, true);
        setChecked(kWithoutTournaments, false);
        group_ = int(groups_.size()) - 1;
        setTextCp1252(kChampionship, groups_[group_].name);
        tournamentView();
        with_tournaments_ = true;
    }

    for (const std::string &label : PlayerClassementList(state_))
        addItem(kClassement, Label(label));
    showEstimation(OwnClassement(state_));
}

void RecapDialog::refresh() {
    tallies_ = Stat_Tallies{};
    for (const auto &row : Recap_Cell_Ids)
        for (int id : row)
            setText(id, QString());
    if (current_ >= 0 && current_ < int(championships_.size()))
        CountChampionship(state_, championships_[current_], tallies_);
    writeCounts();
    showTotals();
}

void RecapDialog::tournamentView() {
    AddTournamentGroup(state_, groups_, group_, tallies_);
    writeCounts();
    showEstimation(OwnClassement(state_));
    showTotals();
}

void RecapDialog::writeCounts() {
    for (int k = 0; k < Scale_Size; ++k) {
        if (tallies_.Stat_Victoires[k] > 0)
            setNumber(Recap_Cell_Ids[0][k], tallies_.Stat_Victoires[k]);
        if (tallies_.Stat_Defaites[k] > 0)
            setNumber(Recap_Cell_Ids[1][k], tallies_.Stat_Defaites[k]);
    }
}

void RecapDialog::showTotals() {
    setNumber(kVictoryTotal, RowTotal(tallies_, 0));
    setNumber(kDefeatTotal, RowTotal(tallies_, 1));
}

// The combo always names the classement the points are for, so the printed
// line "Classement ... : ... points" never pairs one with another's points.
void RecapDialog::showEstimation(std::string_view label) {
    const int index = findItem(kClassement, Label(label));
    if (index >= 0)
        setCurrentIndex(kClassement, index);
    setNumber(kEstimation, EstimatePoints(state_, tallies_, label));
}

void RecapDialog::move(int index) {
    if (index == current_ || championships_.empty())
        return;
    current_ = index;
    const Championship_Entry &entry = championships_[current_];
    setTextCp1252(kChampionship, entry.name);
    refresh();
    std::string first_label;
    if (!entry.days.empty() && entry.days.front() >= 0 && entry.days.front() < UsedDayCount(state_))
        first_label = FieldText(state_.Mem_Days[entry.days.front()].classement);
    const int index_in_combo = findItem(kClassement, QString::fromStdString(first_label));
    if (index_in_combo >= 0)
        setCurrentIndex(kClassement, index_in_combo);
    group_ = FindTournamentGroup(groups_, entry.name);
    if (with_tournaments_)
        tournamentView();
    else
        showEstimation(first_label);
}

void RecapDialog::onCommand(int id, int code) {
    switch (id) {
    case kWithTournaments:
        if (code == kClicked && !with_tournaments_) {
            tournamentView();
            with_tournaments_ = true;
        }
        break;
    case kWithoutTournaments:
        if (code == kClicked) {
            refresh();
            showEstimation(OwnClassement(state_));
            with_tournaments_ = false;
        }
        break;
    case kClassement:
        if (code == kSelChange) {
            const std::string label = text(kClassement).toStdString();
            setNumber(kEstimation, EstimatePoints(state_, tallies_, label));
        }
        break;
    case kNext:
        if (code == kClicked && !championships_.empty())
            move(NextChampionship(current_, int(championships_.size())));
        break;
    case kPrevious:
        if (code == kClicked && !championships_.empty())
            move(PreviousChampionship(current_, int(championships_.size())));
        break;
    case kOk:
        if (code == kClicked)
            done(1);
        break;
    case kPrint:
        if (code == kClicked)
            print();
        break;
    default: // Escape (command 2) included: the recap has no cancel action
        break;
    }
}

// The default printer; without one, a PDF file where the user says. A page
// refused is said, never dropped in silence.
void RecapDialog::print() {
    const Recap_Page shown = page();
    QString pdf = qEnvironmentVariable(Print_Pdf_Variable);
    if (pdf.isEmpty()) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (!printer.isNull()) {
            if (!PrintOnPrinter(shown, printer))
                platform_.message("L'imprimante " + printer.printerName().toStdString() +
                                      " a refusé la page.",
                                  "Zel Manager", Icon::Exclamation);
            return;
        }
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(documents).isDir())
            documents = QDir::homePath();
        pdf = QString::fromStdString(platform_.askSaveFile(
            "Enregistrer le récapitulatif en PDF",
            (documents + "/" + text(kChampionship) + ".pdf").toStdString(), "Documents PDF (*.pdf)"));
        if (pdf.isEmpty())
            return; // the user changed his mind
    }
    if (!PrintToPdf(shown, pdf))
        platform_.message("Le fichier " + pdf.toStdString() +
                              " ne peut pas être écrit : la page n'est pas enregistrée.",
                          "Zel Manager", Icon::Exclamation);
}

Recap_Page RecapDialog::page() const {
    Recap_Page page;
    page.title = RecapTitle(text(kChampionship), checked(kWithTournaments));
    page.player = QString::fromStdString(Cp1252ToUtf8(FieldText(state_.Current_Profile.name))) +
                  QLatin1Char(' ') +
                  QString::fromStdString(Cp1252ToUtf8(FieldText(state_.Current_Profile.first_name)));
    for (int k = 0; k < Scale_Size; ++k) {
        page.victoires[k] = tallies_.Stat_Victoires[k];
        page.defaites[k] = tallies_.Stat_Defaites[k];
    }
    page.victory_total = text(kVictoryTotal);
    page.defeat_total = text(kDefeatTotal);
    page.classement = text(kClassement);
    page.estimation = text(kEstimation);
    return page;
}

} // namespace zel
