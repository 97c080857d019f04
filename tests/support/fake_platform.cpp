// A recording Platform for tests.
#include "support/fake_platform.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <stdexcept>

namespace zel {

void FakePlatform::message(const std::string &text, const std::string &caption, Icon icon) {
    messages.push_back({text, caption, icon, false});
}

bool FakePlatform::askYesNo(const std::string &text, const std::string &caption, Icon icon) {
    messages.push_back({text, caption, icon, true});
    if (answers.empty())
        return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

bool FakePlatform::openHelp(const std::string &path, int context) {
    helps.push_back({path, context});
    return helpAvailable;
}

std::string FakePlatform::askSaveFile(const std::string &, const std::string &proposed, const std::string &) {
    saveProposals.push_back(proposed);
    if (saveAnswers.empty())
        return {};
    std::string answer = std::move(saveAnswers.front());
    saveAnswers.pop_front();
    return answer;
}

FakePlatform::~FakePlatform() {
    EXPECT_TRUE(handlers_.empty()) << handlers_.size() << " dialog(s) expected never ran";
}

int FakePlatform::runModal(QDialog &dialog) {
    const std::string title = dialog.windowTitle().toStdString();
    dialogs.push_back(title);
    dialog.setResult(kLeftOpen);
    dialog.show();
    QApplication::processEvents();
    Ending ending = StaysOpen; // reported once, here
    if (handlers_.empty()) {
        ADD_FAILURE() << "dialog \"" << title << "\" run with no handler queued";
    } else {
        Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        ending = handler.ending;
        handler.run(dialog);
    }
    if (dialog.isVisible()) {
        EXPECT_EQ(ending, StaysOpen) << "dialog \"" << title << "\" still open";
        dialog.done(kLeftOpen);
    } else {
        EXPECT_EQ(ending, Closes) << "dialog \"" << title << "\" ended";
    }
    return dialog.result();
}

TemplateDialog &FakePlatform::form(QDialog &dialog) {
    auto *t = dynamic_cast<TemplateDialog *>(&dialog);
    if (!t)
        throw std::logic_error("not a template dialog");
    return *t;
}

} // namespace zel
