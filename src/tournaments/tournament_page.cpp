// What every tournament form shares: reading, filling, estimating, the heads.
#include "tournaments/tournament_page.h"

#include "days/classement_scale.h"
#include "platform/template_dialog.h"
#include "resources/templates/tournament_table_template.h"
#include "shell/shared_state.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_groups.h"

#include <QLabel>
#include <QPainter>
#include <QStringList>

namespace zel {
namespace {

// The heads as one sunken strip, each label centred over its column. The text
// itself stays the one line of the template (what text(1082) gives), but
// spaces cannot line labels up with cells in a proportional font.
class ColumnHeads final : public QLabel {
  public:
    ColumnHeads(const QString &text, std::vector<std::pair<int, int>> spans)
        : spans_(std::move(spans)), labels_(text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        setProperty("zelRawText", text);
        setText(text);
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        drawFrame(&p);
        if (labels_.size() != qsizetype(spans_.size())) {
            p.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, text());
            return;
        }
        const QRect inside = contentsRect();
        p.setClipRect(inside);
        for (std::size_t i = 0; i < spans_.size(); ++i) {
            const QRect column(spans_[i].first, inside.top(), spans_[i].second, inside.height());
            p.drawText(column, Qt::AlignHCenter | Qt::AlignVCenter, labels_[qsizetype(i)]);
        }
    }

  private:
    std::vector<std::pair<int, int>> spans_; // left and width of each cell, in this widget
    QStringList labels_;
};

// Victory_Cell_Ids[c] and Defeat_Cell_Ids[c] stand for Classement_Index c.
constexpr int kNcCell = kTournamentCellColumns - 1;

} // namespace

void PrepareTournamentForm(TemplateForm &form) {
    const QRect heads = form.controlRect(kTournamentHeadsId);
    std::vector<std::pair<int, int>> spans;
    for (int id : Victory_Cell_Ids) {
        const QRect cell = form.controlRect(id);
        spans.emplace_back(cell.left() - heads.left(), cell.width());
    }
    form.replaceControl(kTournamentHeadsId, new ColumnHeads(form.text(kTournamentHeadsId), std::move(spans)));

    const QString victory = QStringLiteral("Victoires contre ");
    const QString defeat = QStringLiteral("Défaites contre ");
    for (int c = 0; c < kTournamentCellColumns; ++c) {
        const QString label = QString::fromUtf8(Full_Scale[c].data(), qsizetype(Full_Scale[c].size()));
        form.nameControl(Victory_Cell_Ids[c], victory + label);
        form.nameControl(Defeat_Cell_Ids[c], defeat + label);
    }
    // The date fields sit behind "Le" and two "/": name them for what they hold.
    form.nameControl(1038, QStringLiteral("Jour"));
    form.nameControl(1039, QStringLiteral("Mois"));
    form.nameControl(1040, QStringLiteral("Année"));
    form.nameControl(1113, QStringLiteral("Points"));
}

void ReadTournamentPage(const TemplateForm &form, const SharedState &state, Tournament_Sheet &sheet) {
    SetFieldText(sheet.name, form.textCp1252(1041, sizeof sheet.name - 1));
    sheet.day = form.number(1038);
    sheet.month = form.number(1039);
    sheet.year = form.number(1040);

    const int n = ScaleLength(state);
    for (int i = 0; i < n + 3; ++i)
        sheet.columns[i] = {form.number(Victory_Cell_Ids[i]), form.number(Defeat_Cell_Ids[i])};
    sheet.columns[n + 3] = {form.number(Victory_Cell_Ids[kNcCell]), form.number(Defeat_Cell_Ids[kNcCell])};
}

int FillClassementChoice(TemplateForm &form, const SharedState &state) {
    form.clearItems(107);
    for (const std::string &label : BuildClassementList(ScaleLength(state)))
        form.addItem(107, QString::fromStdString(label));
    const std::string own(OwnClassement(state));
    int chosen = -1;
    for (int i = 0; i < form.itemCount(107); ++i)
        if (form.itemText(107, i).toStdString() == own)
            chosen = i;
    form.setCurrentIndex(107, chosen);
    return chosen;
}

void ShowEstimation(TemplateForm &form, const SharedState &state, const Tournament_Sheet &sheet) {
    if (form.currentIndex(107) < 0) {
        form.setText(1113, QString());
        return;
    }
    form.setNumber(1113, EstimateTournament(state, form.text(107).toStdString(), sheet));
}

void FillTournamentPage(TemplateForm &form, const SharedState &state, const Tournament_Sheet &sheet) {
    form.setTextCp1252(1041, FieldText(sheet.name));
    form.setNumber(1038, sheet.day);
    form.setNumber(1039, sheet.month);
    form.setNumber(1040, sheet.year);
    const int n = ScaleLength(state);
    for (int i = 0; i < n + 3; ++i) {
        form.setNumber(Victory_Cell_Ids[i], sheet.columns[i].victories);
        form.setNumber(Defeat_Cell_Ids[i], sheet.columns[i].defeats);
    }
    form.setNumber(Victory_Cell_Ids[kNcCell], sheet.columns[n + 3].victories);
    form.setNumber(Defeat_Cell_Ids[kNcCell], sheet.columns[n + 3].defeats);
    FillClassementChoice(form, state);
    ShowEstimation(form, state, sheet);
}

} // namespace zel
