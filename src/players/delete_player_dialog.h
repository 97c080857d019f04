// USERSUPBOX: deleting the loaded player for good.
#pragma once

#include "platform/template_dialog.h"

namespace zel {

struct SharedState;
class Platform;

// Ends with 1 after a deletion, 0 after "&Non".
class DeletePlayerDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    enum : int { kQuestion = 111, kPlayer = 104, kYes = 302, kNo = 303 };

    DeletePlayerDialog(SharedState &state, Platform &platform, QWidget *parent = nullptr);

  protected:
    void onCommand(int id, int code) override;

  private:
    SharedState &state_;
    Platform &platform_;
};

} // namespace zel
