// Dialogs built from templates: ids, geometry, values, commands, marks.
#include "platform/template_dialog.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zel {
namespace {

// A dialog of these controls, titled "Essai".
DialogTemplate Essai(int w, int h, std::vector<ControlTemplate> controls) {
    return {"ESSAI", "Essai", w, h, kDialogModalFrame, std::move(controls)};
}

const DialogTemplate kSample = Essai(240, 150,
                                     {{kNoId, Kind::GroupBox, "Joueur", 4, 4, 150, 70},
                                      {kNoId, Kind::Static, "&Nom", 10, 16, 40, 10, kRightAligned},
                                      {1004, Kind::Edit, "", 54, 14, 90, 12},
                                      {kNoId, Kind::Static, "Age", 10, 32, 40, 10, kRightAligned},
                                      {105, Kind::Edit, "", 54, 30, 20, 12, kDigitsOnly},
                                      {1011, Kind::Edit, "", 54, 46, 90, 12, kPassword},
                                      {1073, Kind::RadioButton, "Masculin", 10, 80, 50, 10},
                                      {1074, Kind::RadioButton, "Féminin", 60, 80, 50, 10},
                                      {1078, Kind::CheckBox, "1er Match", 10, 94, 50, 10},
                                      {1022, Kind::RadioButton, "Domicile", 10, 108, 50, 10},
                                      {107, Kind::ComboBox, "", 160, 14, 40, 80, kDropDownList | kSorted},
                                      {1019, Kind::ComboBox, "", 160, 34, 40, 80},
                                      {1113, Kind::Static, "", 160, 54, 40, 10, kSunken | kCentred},
                                      {300, Kind::Button, "&Valider", 180, 100, 50, 14, kDefaultButton},
                                      {301, Kind::Button, "&Annuler", 180, 120, 50, 14}});

class SampleDialog final : public TemplateDialog {
  public:
    explicit SampleDialog(const DialogTemplate &t = kSample) : TemplateDialog(t) {}
    std::vector<std::pair<int, int>> commands;

  protected:
    void onCommand(int id, int code) override {
        commands.emplace_back(id, code);
        if (id == 300)
            done(id);
    }
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

TEST(TemplateDialog, radioGroupsAreSeparateAndMayBeLeftEmpty) {
    SampleDialog d;
    d.setChecked(1073, true);
    d.setChecked(1022, true); // another group: 1073 stays checked
    d.click(1074);
    EXPECT_FALSE(d.checked(1073));
    EXPECT_TRUE(d.checked(1074));
    EXPECT_TRUE(d.checked(1022));
    d.setChecked(1074, false);
    EXPECT_FALSE(d.checked(1073) || d.checked(1074));
}

TEST(TemplateDialog, sortedListsSortAsTextAndSelectByPrefix) {
    SampleDialog d;
    for (const char *label : {"NC", "15", "100", "95", "4T"})
        d.addItem(107, label);
    QStringList order;
    for (int i = 0; i < d.itemCount(107); ++i)
        order << d.itemText(107, i);
    EXPECT_EQ(order, QStringList({"100", "15", "4T", "95", "NC"}));
    EXPECT_EQ(d.text(107), "");
    EXPECT_EQ(d.select(107, "9"), 3);
    EXPECT_EQ(d.text(107), "95");
    EXPECT_EQ(d.select(107, "zz"), -1);
    EXPECT_EQ(d.currentIndex(107), 3);
    EXPECT_EQ(d.findItem(107, "nc"), 4);
    d.setText(1019, "N3"); // an editable combo keeps typed text when entries are added
    d.addItem(1019, "R2");
    EXPECT_EQ(d.text(1019), "N3");
}

TEST(TemplateDialog, userActionsSendCommandsAndApiChangesDoNot) {
    SampleDialog d;
    d.show();
    d.setText(1004, "x");
    d.setChecked(1078, true);
    d.addItem(107, "15");
    d.setCurrentIndex(107, 0);
    EXPECT_TRUE(d.commands.empty());
    d.click(1078);
    QTest::keyClicks(d.control(1004), "a");
    d.enable(301, false);
    d.click(301); // disabled: nothing
    EXPECT_EQ(d.commands, (std::vector<std::pair<int, int>>{{1078, kClicked}, {1004, kEditChange}}));
    d.click(300);
    EXPECT_EQ(d.result(), 300);
    EXPECT_FALSE(d.isVisible());
}

TEST(TemplateDialog, enterPressesTheFocusedOrTheDefaultButton) {
    SampleDialog d;
    d.show();
    d.activateWindow();
    d.setFocusTo(301);
    QTest::keyClick(d.control(301), Qt::Key_Return);
    EXPECT_EQ(d.commands, (std::vector<std::pair<int, int>>{{301, kClicked}}));
    d.setFocusTo(1004);
    QTest::keyClick(d.control(1004), Qt::Key_Return);
    EXPECT_EQ(d.result(), 300);
}

TEST(TemplateDialog, inputsAreNamedAfterTheirLabels) {
    SampleDialog d;
    EXPECT_EQ(d.control(1004)->accessibleName(), "Nom");
    EXPECT_EQ(d.control(1011)->accessibleName(), "Joueur"); // no label: its group box
    EXPECT_EQ(d.control(107)->accessibleName(), "Essai");   // nothing around: the title
    const auto labels = d.findChildren<QLabel *>();         // the label's mnemonic leads to its field
    const auto nom = std::find_if(labels.begin(), labels.end(), [](QLabel *l) { return l->buddy(); });
    ASSERT_NE(nom, labels.end());
    EXPECT_EQ((*nom)->buddy(), d.control(1004));
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
    d.update();
    EXPECT_TRUE(red(tip));                 // painted again
    d.markControl(107, 12, -8, kMarkFace); // erased by a later mark
    EXPECT_EQ(d.grab(around).toImage(), before);
    d.markControl(107, 12, -8, kMarkRed); // at one place the latest mark wins
    EXPECT_TRUE(red(tip));
    d.clearMarks();
    EXPECT_FALSE(red(tip));
}

TEST(TemplateDialog, readOnlyFieldsShowTheFaceTheyLieOnWhateverThePalette) {
    SampleDialog d(
        Essai(80, 40, {{1, Kind::Edit, "", 4, 4, 60, 12, kReadOnly}, {2, Kind::Edit, "", 4, 20, 60, 12}}));
    QPalette dark = d.palette();
    dark.setColor(QPalette::Window, QColor(0x22, 0x20, 0x20));
    dark.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    for (const QPalette &p : {d.palette(), dark}) {
        d.setPalette(p);
        const QImage shot = d.grab().toImage();
        EXPECT_EQ(shot.pixelColor(d.controlRect(1).center()), p.color(QPalette::Window));
        EXPECT_EQ(shot.pixelColor(d.controlRect(2).center()), p.color(QPalette::Base));
    }
}

TEST(TemplateDialog, aTextWiderThanItsControlTakesFreeRoomElseAFontThatFits) {
    // The first has room on both sides, the second a field beside it.
    SampleDialog d(Essai(200, 40,
                         {{1, Kind::Static, "Extérieur du gymnase", 80, 4, 30, 8, kCentred},
                          {2, Kind::Static, "Défaites à l'extérieur", 4, 20, 60, 8},
                          {3, Kind::Edit, "", 64, 19, 40, 12}}));
    const auto fits = [&](int id) {
        const auto *l = d.controlAs<QLabel>(id);
        return QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width();
    };
    EXPECT_TRUE(fits(1) && fits(2));
    EXPECT_NEAR(d.controlRect(1).center().x(), d.dluRect(80, 4, 30, 8).center().x(), 1);
    EXPECT_EQ(d.control(1)->font(), d.font());
    EXPECT_EQ(d.controlRect(2), d.dluRect(4, 20, 60, 8));
    EXPECT_LT(d.control(2)->font().pointSizeF(), d.font().pointSizeF());
}

TEST(TemplateDialog, aReplacedControlKeepsItsPlaceInTheTabOrder) {
    SampleDialog d;
    auto *own = new QLineEdit;
    d.replaceControl(1004, own);
    QWidget *w = own->nextInFocusChain();
    while (w != &d && w != d.control(105))
        w = w->nextInFocusChain();
    EXPECT_EQ(w, d.control(105)); // before the next field, not after the last control
}

} // namespace
} // namespace zel
