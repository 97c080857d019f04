// The desktop's services through Qt: message boxes, beep, help window, browser.
#pragma once

#include "platform/platform.h"

#include <QPointer>

class QTextBrowser;
class QWidget;

namespace zel {

class QtPlatform final : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // The window that owns message boxes when no dialog is active, and the help window.
    void setOwner(QWidget *owner) { owner_ = owner; }

    void message(const std::string &text, const std::string &caption, Icon icon) override;
    void beep() override;
    bool askYesNo(const std::string &text, const std::string &caption, Icon icon) override;
    bool openHelp(const std::string &path, int context) override;
    void openUrl(const std::string &url) override;
    std::string askSaveFile(const std::string &caption, const std::string &proposed,
                            const std::string &filter) override;
    const Clock &clock() const override { return clock_; }
    int runModal(QDialog &dialog) override;

  private:
    QWidget *activeOwner() const;

    QPointer<QWidget> owner_;
    QPointer<QTextBrowser> help_;
    SystemClock clock_;
};

// Moves a file to the desktop's Trash, from where the file manager can put it
// back; where there is no Trash, removes it. False when the file is still there.
bool MoveToTrash(const std::string &path);

// Holds the per-user lock that keeps a second copy of the program from running.
class SingleInstanceLock {
  public:
    // `name` is the window class name, "Zel Manager". The lock lives in the
    // user's runtime directory, so each user session has its own.
    explicit SingleInstanceLock(const std::string &name);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // False when another running copy holds it. A lock left by a crashed copy is taken over.
    bool acquire();

  private:
    struct Impl;
    Impl *impl_;
};

} // namespace zel
