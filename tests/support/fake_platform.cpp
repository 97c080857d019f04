// A recording Platform for tests.
#include "support/fake_platform.h"

#include <QApplication>

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

int FakePlatform::runModal(QDialog &dialog) {
    dialogs.push_back(dialog.windowTitle().toStdString());
    dialog.setResult(kLeftOpen);
    dialog.show();
    QApplication::processEvents();
    if (!handlers_.empty()) {
        auto handler = std::move(handlers_.front());
        handlers_.pop_front();
        handler(dialog);
    }
    if (dialog.isVisible()) {
        leftOpen.push_back(dialog.windowTitle().toStdString());
        dialog.done(kLeftOpen);
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
