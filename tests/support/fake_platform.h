// A Platform for tests: records every message, question, beep, help request,
// web address and dialog, answers questions from a script and lets the test
// drive each modal dialog.
//
//   FakePlatform platform;                       // clock: 15 March 2001
//   platform.answers = {false};                  // next askYesNo says "Non"
//   platform.onDialog([](QDialog &d) {           // next runModal: drive it
//       auto &t = FakePlatform::form(d);         // the TemplateDialog inside
//       t.setText(1011, "secret");
//       t.click(1);                              // may end it with done()
//   });
//   ... code under test ...
//   EXPECT_EQ(platform.messages.at(0).text, "Mot de passe incorrect");
//
// runModal shows the dialog (not modally), runs the next scripted handler and
// returns the value the dialog ended with. A dialog that is still open after
// its handler, or that has no handler, is ended with kLeftOpen and recorded in
// leftOpen.
#pragma once

#include "platform/platform.h"
#include "platform/template_dialog.h"

#include <QDialog>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zel {

class FakePlatform : public Platform {
  public:
    struct Message {
        std::string text;
        std::string caption;
        Icon icon = Icon::None;
        bool question = false;
    };
    struct Help {
        std::string path;
        int context = 0;
    };

    static constexpr int kLeftOpen = -77;

    std::vector<Message> messages;
    std::deque<bool> answers; // answers of askYesNo, in order; "Oui" when empty
    int beeps = 0;
    std::vector<Help> helps;
    bool helpAvailable = true; // false: openHelp fails
    std::vector<std::string> urls;
    std::vector<std::string> dialogs; // window titles of the dialogs run, in order
    std::vector<std::string> leftOpen;
    FixedClock fixedClock{Date{2001, 3, 15}};

    void message(const std::string &text, const std::string &caption, Icon icon) override;
    void beep() override { ++beeps; }
    bool askYesNo(const std::string &text, const std::string &caption, Icon icon) override;
    bool openHelp(const std::string &path, int context) override;
    void openUrl(const std::string &url) override { urls.push_back(url); }
    // Answers askSaveFile in order ("" cancels; none left: cancels) and records what it proposed.
    std::string askSaveFile(const std::string &caption, const std::string &proposed,
                            const std::string &filter) override;
    std::deque<std::string> saveAnswers;
    std::vector<std::string> saveProposals;
    const Clock &clock() const override { return fixedClock; }
    int runModal(QDialog &dialog) override;

    // Queues the handler for the next dialog run.
    void onDialog(std::function<void(QDialog &)> handler) { handlers_.push_back(std::move(handler)); }
    std::size_t pendingHandlers() const { return handlers_.size(); }

    // The dialog as a TemplateDialog (every dialog of the program is one).
    static TemplateDialog &form(QDialog &dialog);

  private:
    std::deque<std::function<void(QDialog &)>> handlers_;
};

} // namespace zel
