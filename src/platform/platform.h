// The services the program asks of the desktop: message boxes, questions,
// beep, help, browser, clock and the running of modal dialogs.
//
// The main window owns one QtPlatform (platform/qt_platform.h) and hands it to
// every dialog through the command context; tests hand a FakePlatform
// (tests/support/fake_platform.h) that records everything and answers from a
// script. Texts and captions are UTF-8.
#pragma once

#include "platform/clock.h"
#include "platform/reporter.h"

#include <string>

class QDialog;

namespace zel {

class Platform : public Reporter {
  public:
    // message(text, caption, icon) and beep() come from Reporter.

    // A question with "Oui" / "Non" buttons; true when the answer is yes.
    virtual bool askYesNo(const std::string &text, const std::string &caption, Icon icon) = 0;

    // Shows the help file at `path` (absolute) at topic `context` (0: its
    // start). False when the file cannot be shown; the caller decides whether
    // to say so.
    virtual bool openHelp(const std::string &path, int context) = 0;

    // Opens a web address in the user's browser. Failures are not reported.
    virtual void openUrl(const std::string &url) = 0;

    // Asks where to save a new file, proposing `proposed` (a full path); a file
    // already there is replaced only when the user says so. The path chosen,
    // or "" when the user cancels.
    virtual std::string askSaveFile(const std::string &caption, const std::string &proposed,
                                    const std::string &filter) = 0;

    virtual const Clock &clock() const = 0;

    // Runs `dialog` modally and returns the value it ended with (QDialog::done).
    // Every dialog of the program is run through here, so tests can drive it.
    virtual int runModal(QDialog &dialog) = 0;
};

} // namespace zel
