// Dialogs built from templates (ids, values, commands, marks) and the season lists they show
// (selection).
#include "platform/season_list.h"
#include "platform/template_dialog.h"

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zel {
namespace {

const std::vector<ControlTemplate> kSampleControls = {
    {kNoId, Kind::GroupBox, "Joueur", 4, 4, 150, 70},
    {kNoId, Kind::Static, "&Nom", 10, 16, 40, 10, kRightAligned},
    {1004, Kind::Edit, "", 54, 14, 90, 12},
    {kNoId, Kind::Static, "Age", 10, 32, 40, 10, kRightAligned},
    {105, Kind::Edit, "", 54, 30, 20, 12, kDigitsOnly},
    {1011, Kind::Edit, "", 54, 46, 90, 12, kPassword},
    {1073, Kind::RadioButton, "Masculin", 10, 80, 50, 10},
    {1074, Kind::RadioButton, "Féminin", 60, 80, 50, 10},
    {107, Kind::ComboBox, "", 160, 14, 40, 80, kDropDownList | kSorted},
    {1019, Kind::ComboBox, "", 160, 34, 40, 80},
    {300, Kind::Button, "&Valider", 180, 100, 50, 14, kDefaultButton},
    {301, Kind::Button, "&Annuler", 180, 120, 50, 14}};
const DialogTemplate kSample{"ESSAI", "Essai", 240, 150, kDialogModalFrame, kSampleControls};

class SampleDialog final : public TemplateDialog {
  public:
    SampleDialog() : TemplateDialog(kSample) {}
    std::vector<std::pair<int, int>> commands;

  protected:
    void onCommand(int id, int code) override { commands.emplace_back(id, code); }
};

TEST(TemplateDialog, textsCrossAsWindows1252WithinTheirLimits) {
    SampleDialog d;
    d.setText(1004, "Dupré Œ");
    EXPECT_EQ(d.textCp1252(1004), "Dupr\xE9 \x8C");
    EXPECT_EQ(d.textCp1252(1004, 3), "Dup");
    d.setTextCp1252(1004, "Extr\xEAme \x80");
    EXPECT_EQ(d.text(1004), "Extrême €");
    // A limit stops typing, never what the program shows; a longer text may only shrink.
    d.setLimit(1004, 5);
    d.setText(1004, "");
    QTest::keyClicks(d.control(1004), "abcdefgh");
    EXPECT_EQ(d.text(1004), "abcde");
    d.setText(1004, "abcdefgh");
    EXPECT_EQ(d.text(1004), "abcdefgh");
    d.controlAs<QLineEdit>(1004)->setCursorPosition(8);
    QTest::keyClick(d.control(1004), Qt::Key_Backspace);
    QTest::keyClicks(d.control(1004), "xy");
    EXPECT_EQ(d.text(1004), "abcdefg");
    QTest::keyClicks(d.control(105), "4x2");
    EXPECT_EQ(d.number(105), 42u);
    EXPECT_EQ(d.controlAs<QLineEdit>(1011)->echoMode(), QLineEdit::Password);
}

// A form shows a stored value that is neither choice by checking neither.
TEST(TemplateDialog, aRadioGroupMayBeLeftEmpty) {
    SampleDialog d;
    d.click(1074);
    d.setChecked(1074, false);
    EXPECT_FALSE(d.checked(1073) || d.checked(1074));
}

TEST(TemplateDialog, anEditableComboKeepsTypedTextWhenEntriesAreAdded) {
    SampleDialog d;
    d.setText(1019, "N3");
    d.addItem(1019, "R2");
    EXPECT_EQ(d.text(1019), "N3");
}

// Enter on a focused Annuler must not press the default Valider.
TEST(TemplateDialog, enterPressesTheFocusedButton) {
    SampleDialog d;
    d.show();
    d.activateWindow();
    d.setFocusTo(301);
    QTest::keyClick(d.control(301), Qt::Key_Return);
    EXPECT_EQ(d.commands, (std::vector<std::pair<int, int>>{{301, kClicked}}));
}

TEST(TemplateDialog, marksStayInTheListAreRedrawnOnEveryPaintAndAnErasedOneShowsWhatWasUnder) {
    SampleDialog d;
    d.show();
    const auto red = [&](QPoint p) { return d.grab().toImage().pixelColor(p) == QColor(255, 0, 0); };
    const QPoint origin = d.controlRect(107).topLeft();
    const QPoint tip = origin + QPoint(12 + 3, -8 + 6);            // last row of the arrow
    const QPoint wide = origin + QPoint(12 + 0, -8 + 3);           // left end of the widest row
    const QRect around = d.controlRect(107).adjusted(0, -8, 0, 0); // the arrow covers the field's top border
    const QImage before = d.grab(around).toImage();
    d.markControl(107, 12, -8, kMarkRed);
    EXPECT_TRUE(red(tip) && red(wide));
    EXPECT_FALSE(red(origin + QPoint(12 + 6, -8 + 0))); // outside the arrow
    d.markControl(107, 12, -8, kMarkFace);              // erased by a later mark
    EXPECT_EQ(d.grab(around).toImage(), before);
    d.markControl(107, 12, -8, kMarkRed); // at one place the latest mark wins
    EXPECT_TRUE(red(tip));
    d.clearMarks();
    EXPECT_FALSE(red(tip));
}

const std::vector<std::vector<QString>> kRows = {
    {"2000 - 2001", "3", "30", "Club", "7"},
    {"2001 - 2002", "5", "25", "Club", "12"},
    {"1999 - 2000", "1", "30", "club", "7"},
    {"2002 - 2003", "2", "nc", "Club", "-2"},
};

SeasonList *MakeList() {
    auto *list = new SeasonList({{"Championnat", 100, Qt::AlignLeft},
                                 {"Nombre de journées", 110, Qt::AlignRight},
                                 {"Classement", 80, Qt::AlignRight},
                                 {"Club", 100, Qt::AlignLeft},
                                 {"Points", 60, Qt::AlignRight}});
    list->setRows(int(kRows.size()), [](int s, int c) { return kRows[std::size_t(s)][std::size_t(c)]; });
    return list;
}

TEST(SeasonList, selectionFollowsItsRowThroughASortAndReportsEveryChange) {
    std::unique_ptr<SeasonList> list(MakeList());
    QSignalSpy changed(list.get(), &SeasonList::rowStateChanged);
    list->selectRow(0);
    list->sortByColumn(4);
    EXPECT_EQ(list->currentSource(), 0);
    list->clearRowSelection();
    EXPECT_EQ(std::tuple(changed.count(), list->currentSource()), std::tuple(2, -1));
    // Rebuilding the rows is silent and selects nothing.
    list->selectRow(1);
    list->setRows(2, [](int s, int) { return QString::number(s); });
    EXPECT_EQ(std::tuple(changed.count(), list->currentSource()), std::tuple(3, -1));
}

} // namespace
} // namespace zel
