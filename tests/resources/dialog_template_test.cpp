// Which static names which input: what a screen reader announces for it and
// where the label's mnemonic leads.
#include "resources/dialog_template.h"
#include "resources/templates/add_tournoi_template.h"
#include "resources/templates/graphs_template.h"
#include "resources/templates/journeebox_template.h"
#include "resources/templates/usertbox_template.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

std::string LabelOf(const DialogTemplate &t, int id) {
    const int label = FindLabelFor(t, FindControl(t, id));
    return label < 0 ? std::string("(none)") : PlainLabel(t.controls[std::size_t(label)].text);
}

// A combo's template height includes its open list; its label stands on the
// line of the closed box. An edit keeps its own label; a control with none has none.
TEST(FindLabelFor, combosTakeTheLabelOnTheLineOfTheirClosedBoxAndEditsTheirOwn) {
    const DialogTemplate alone{
        "A", "A", 100, 40, kDialogModalFrame, {{1011, Kind::ComboBox, "", 4, 4, 60, 80}}};
    const struct {
        const DialogTemplate *t;
        int id;
        const char *label;
    } cases[] = {
        {&kUserTBoxTemplate, 108, "Choisisser le plus bas classement de votre championnat (hors NC)"},
        {&kUserTBoxTemplate, 1002, "Classement"},
        {&kJourneeBoxTemplate, kDivisionCombo, "Division"},
        {&kJourneeBoxTemplate, kPouleCombo, "Poule"},
        {&kJourneeBoxTemplate, kPlaceCombo, "Lieu"},
        {&kJourneeBoxTemplate, kTypeCombo, "Type du championnat"},
        {&kAddTournoiTemplate, 107, "Classement"},
        {&kGraphsTemplate, 107, "Classement"}, // the label above it
        {&kUserTBoxTemplate, 1004, "Nom"},
        {&kUserTBoxTemplate, 109, "Confirmation"},
        {&kJourneeBoxTemplate, kDivisionPouleEdit, "Poule de la division"},
        {&alone, 1011, "(none)"}};
    for (const auto &c : cases)
        EXPECT_EQ(LabelOf(*c.t, c.id), c.label) << c.t->name << " " << c.id;
}

} // namespace
} // namespace zel
