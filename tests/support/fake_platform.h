// A Platform for tests: records every message, question, beep, help request,
// web address and dialog, answers questions from a script and lets the test
// drive each modal dialog.
//
//   FakePlatform platform;                       // clock: 15 March 2001
//   platform.answers = {false};                  // next askYesNo says "Non"
//   platform.onDialog([](QDialog &d) {           // next runModal: drive it
//       auto &t = FakePlatform::form(d);         // the TemplateDialog inside
//       t.setText(1011, "secret");
//       t.click(1);                              // must end it
//   });
//   platform.onDialog(refuse, FakePlatform::StaysOpen); // this one must not end
//   ... code under test ...
//   EXPECT_EQ(platform.messages.at(0).text, "Mot de passe incorrect");
//
// runModal shows the dialog (not modally), runs the next queued handler and
// returns the value the dialog ended with. The test fails when a dialog runs
// with no handler queued, when one still open after its handler was not
// queued StaysOpen (it is then ended with kLeftOpen), when one queued
// StaysOpen ended, or when a queued handler never ran.
//
// It also brings what every dialog test uses: GoogleTest, QTest, the shared
// state, the lists and tabs, the player file.
#pragma once

#include "platform/platform.h"
#include "platform/season_list.h"
#include "platform/tabbed_pages.h"
#include "platform/template_dialog.h"
#include "shell/command_context.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/fixed_text.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <fstream>
#include <functional>
#include <ostream>
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
        bool operator==(const Message &) const = default;
        friend void PrintTo(const Message &m, std::ostream *os) {
            *os << "{\"" << m.text << "\", \"" << m.caption << "\", " << int(m.icon)
                << (m.question ? ", ?}" : "}");
        }
    };
    struct Help {
        std::string path;
        int context = 0;
    };
    enum Ending { Closes, StaysOpen };

    static constexpr int kLeftOpen = -77;

    std::vector<Message> messages;
    std::deque<bool> answers; // answers of askYesNo, in order; "Oui" when empty
    int beeps = 0;
    std::vector<Help> helps;
    bool helpAvailable = true; // false: openHelp fails
    std::vector<std::string> urls;
    std::vector<std::string> dialogs; // window titles of the dialogs run, in order
    FixedClock fixedClock{Date{2001, 3, 15}};

    ~FakePlatform() override;

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

    // Queues the handler for the next dialog run, and how that dialog must be left.
    void onDialog(std::function<void(QDialog &)> handler, Ending ending = Closes) {
        handlers_.push_back({std::move(handler), ending});
    }

    // The dialog as a TemplateDialog (every dialog of the program is one).
    static TemplateDialog &form(QDialog &dialog);

  private:
    struct Handler {
        std::function<void(QDialog &)> run;
        Ending ending;
    };
    std::deque<Handler> handlers_;
};

using Messages = std::vector<FakePlatform::Message>;

} // namespace zel
