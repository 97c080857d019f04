// USERTBOX: the profile form, for a new player and for the loaded player's changes.
#pragma once

#include "platform/template_dialog.h"
#include "players/player_profile.h"

#include <QPixmap>

#include <string>

namespace zel {

struct SharedState;
class Platform;

// What the two uses share: the lists of classements, the reading and checking
// of the form, the title picture. The form is read into a copy; the loaded
// player changes only once every check has passed.
class ProfileDialog : public TemplateDialog {
    Q_OBJECT
  public:
    // Control ids.
    enum : int {
        kLowestList = 108,
        kLicence = 1003,
        kName = 1004,
        kFirstName = 104,
        kAge = 105,
        kMale = 1073,
        kFemale = 1074,
        kOwnList = 1002,
        kClub = 106,
        kPassword = 107,
        kConfirmation = 109,
        kValidate = 300,
        kCancel = 301,
    };

    // Where the title picture stands with the classic 6 x 13 dialog font.
    static constexpr int kPictureX = 414;
    static constexpr int kPictureY = 178;

    // The list position the own-classement list was last built for (9999: never).
    int lowestChoice() const { return Lowest_Choice; }
    // The picture's rectangle in the dialog, empty when it could not be read.
    QRect pictureRect() const;

  protected:
    ProfileDialog(SharedState &state, Platform &platform, QWidget *parent);

    void onCommand(int id, int code) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

    // The profile the form is read over: all zero for a new player.
    virtual Player_Profile startingProfile() const { return Player_Profile{}; }
    // "&Valider": the dialog's own steps once the form has passed its checks.
    virtual void accepted(const Player_Profile &profile) = 0;
    virtual bool givesHelp() const { return false; }

    // The lowest-classement list offers "100" .. "15"; the own list "NC" and
    // the classements from the chosen lowest one up to "15".
    void fillOwnList(int scale_length);
    // The form read over `profile`: fields it does not show keep their bytes.
    void readForm(Player_Profile &profile) const;
    // The password typed twice alike (else says so), a lowest and an own
    // classement chosen (else marks what is missing).
    bool validateForm();

    SharedState &state_;
    Platform &platform_;
    int Lowest_Choice = 9999;

  private:
    void lowestChanged();
    void showHelp(QWidget *over);

    QPixmap title_picture_;
};

// "Nouveau": a zeroed profile, registered under a free file name.
class NewPlayerDialog final : public ProfileDialog {
    Q_OBJECT
  public:
    NewPlayerDialog(SharedState &state, Platform &platform, QWidget *parent = nullptr);

  protected:
    void accepted(const Player_Profile &profile) override;
    bool givesHelp() const override { return true; }
};

// "Modifier": the loaded player's profile; file name, counts and reserved
// bytes are kept, so the library record stays valid.
class ModifyProfileDialog final : public ProfileDialog {
    Q_OBJECT
  public:
    ModifyProfileDialog(SharedState &state, Platform &platform, QWidget *parent = nullptr);

  protected:
    Player_Profile startingProfile() const override;
    void accepted(const Player_Profile &profile) override;

  private:
    std::string label_at_opening_;
};

} // namespace zel
