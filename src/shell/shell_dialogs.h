// The shell's own dialogs: options, start-up password and automatic loading, about box.
#pragma once

#include "platform/template_dialog.h"
#include "players/player_profile.h"

#include <string>

namespace zel {

struct SharedState;
class Platform;
struct CommandContext;

// The 38 letters X written as "AFileName" while automatic loading is off.
inline constexpr const char *kNoAutoLoadName = "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX";

// OPTIONS: the three flags follow the boxes at once; "OK" writes them to
// Zel.ini, "Annuler" puts back the values the dialog opened with. Both end
// with 1; Escape leaves the dialog open. A Zel.ini that is there but cannot be
// read whole is never rewritten (its players' directory would be lost): "OK"
// then says why and the dialog stays.
class OptionsDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    OptionsDialog(SharedState &state, Platform &platform, QWidget *parent);

  protected:
    void onCommand(int id, int code) override;

  private:
    bool writeSettings();

    SharedState &s_;
    Platform &platform_;
    bool saved_ask_, saved_auto_, saved_grid_;
};

// AUTOPASS: ends with 1 once the password typed equals `expected`'s, with 0
// on "Annuler" (which turns Opt_AskPassword off); Escape does nothing.
class AutoPassDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    AutoPassDialog(SharedState &state, Platform &platform, const Player_Profile &expected, QWidget *parent);

  protected:
    void onCommand(int id, int code) override;

  private:
    SharedState &s_;
    Platform &platform_;
    const Player_Profile &expected_;
};

// The project's home page (ZEL_HOMEPAGE), by default the README page installed
// with the program in `program_dir` (the build tree has one at the same place).
std::string HomePage(const std::string &program_dir);

// AboutBox: "&OK" ends it with 1; "&Site Web" and Escape open `home_page`,
// which it shows with the contact under it.
class AboutBox final : public TemplateDialog {
    Q_OBJECT
  public:
    AboutBox(const std::string &picture_path, std::string home_page, Platform &platform, QWidget *parent);

  protected:
    void onCommand(int id, int code) override;

  private:
    std::string home_page_;
    Platform &platform_;
};

int RunOptions(CommandContext &context);
int RunAboutBox(CommandContext &context);

// Loads the player whose file is `file_name` (as in Zel.ini, UTF-8) at
// start-up, after its password when `ask_password` is set. True when a player
// is now loaded; the caller then brings the shell into line (step L).
bool AutoLoadPlayer(CommandContext &context, const std::string &file_name, bool ask_password);

} // namespace zel
