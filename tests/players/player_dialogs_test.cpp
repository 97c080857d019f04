// The player dialogs driven by control id against a temporary players' directory.
#include "players/delete_player_dialog.h"
#include "players/import_player_dialog.h"
#include "players/load_player_dialog.h"
#include "players/player_commands.h"
#include "players/profile_dialog.h"

#include "days/classement_scale.h"
#include "days/day_store.h"
#include "platform/cp1252.h"
#include "platform/fixed_text.h"
#include "platform/paths.h"
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage_test_support.h"
#include "support/fake_platform.h"
#include "tournaments/tournament_groups.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::Exists;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// A program started in a fresh directory with the default players' directory ".\users\".
struct Env {
    TempDir root;
    SharedState s;
    FakePlatform p;
    CommandContext ctx{s, p, nullptr};

    Env() {
        s.Start_Dir = root.path().substr(0, root.path().size() - 1);
        s.User_Dir = ResolveUserDir(s.Start_Dir, kDefaultUserDrive, kDefaultUserPath);
        EnsureDirectory(s.User_Dir);
    }
    std::string user(const std::string &name) const { return s.User_Dir + name; }
    std::vector<std::string> library() const {
        std::vector<std::string> names;
        const std::vector<uint8_t> bytes = ReadBytes(user("User.bib"));
        for (std::size_t at = 0; at + kLibraryRecordBytes <= bytes.size(); at += kLibraryRecordBytes)
            names.emplace_back(FieldText(reinterpret_cast<const char *>(&bytes[at]), kLibraryRecordBytes));
        return names;
    }
};

struct Typed {
    const char *name = "Dupont";
    const char *first = "Jean";
    const char *lowest = "60";
    const char *own = "30";
    const char *password = "";
    const char *confirmation = nullptr; // the password when null
};

// Fills USERTBOX the way a user does: the lowest classement first, then the rest.
void Fill(TemplateForm &t, const Typed &in) {
    t.setText(ProfileDialog::kLicence, "6712345");
    t.setText(ProfileDialog::kName, QString::fromUtf8(in.name));
    t.setText(ProfileDialog::kFirstName, QString::fromUtf8(in.first));
    t.setText(ProfileDialog::kAge, "34");
    t.setText(ProfileDialog::kClub, QStringLiteral("ASPTT Strasbourg"));
    if (*in.lowest) {
        t.setCurrentIndex(ProfileDialog::kLowestList, t.findItem(ProfileDialog::kLowestList, in.lowest));
        t.command(ProfileDialog::kLowestList, kSelChange);
    }
    if (*in.own) {
        t.setCurrentIndex(ProfileDialog::kOwnList, t.findItem(ProfileDialog::kOwnList, in.own));
        t.command(ProfileDialog::kOwnList, kSelChange);
    }
    t.setText(ProfileDialog::kPassword, QString::fromUtf8(in.password));
    t.setText(ProfileDialog::kConfirmation,
              QString::fromUtf8(in.confirmation ? in.confirmation : in.password));
}

int CreatePlayer(Env &e, const Typed &in) {
    e.p.onDialog([&](QDialog &d) {
        auto &t = FakePlatform::form(d);
        Fill(t, in);
        t.click(ProfileDialog::kValidate);
    });
    return RunNewPlayer(e.ctx);
}

// Loads line `line` of the library with `password`; the result of the dialog.
int LoadPlayer(Env &e, int line, const char *password) {
    e.p.onDialog([&](QDialog &d) {
        auto &t = FakePlatform::form(d);
        t.setCurrentIndex(LoadPlayerDialog::kPlayers, line);
        t.command(LoadPlayerDialog::kPlayers, kSelChange);
        t.setText(LoadPlayerDialog::kPassword, QString::fromUtf8(password));
        t.click(LoadPlayerDialog::kValidate);
    });
    return RunLoadPlayer(e.ctx);
}

TEST(NewPlayer, SameNamesGetTheNextFreeFileAndBothAreListed) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {}), 300);
    EXPECT_EQ(e.s.Player_State, 1);
    ASSERT_EQ(CreatePlayer(e, {}), 300);
    EXPECT_EQ(e.s.Player_State, 2);
    EXPECT_EQ(FieldText(e.s.Current_Profile.file_name), "DupontJean.usr");
    EXPECT_EQ(e.library(), (std::vector<std::string>{"Dupont.usr", "DupontJean.usr"}));
    EXPECT_TRUE(Exists(e.user("Dupont.usr")));
    EXPECT_TRUE(Exists(e.user("DupontJean.usr")));

    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        ASSERT_EQ(t.itemCount(LoadPlayerDialog::kPlayers), 2);
        EXPECT_EQ(t.itemText(LoadPlayerDialog::kPlayers, 0), "Dupont Jean");
        EXPECT_EQ(t.itemText(LoadPlayerDialog::kPlayers, 1), "Dupont Jean");
        t.click(LoadPlayerDialog::kCancel);
    });
    EXPECT_EQ(RunLoadPlayer(e.ctx), 303);
}

TEST(NewPlayer, ProfileHoldsTheFormAndAFreshScale) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Müller", .first = "Zoé", .lowest = "60", .own = "45"}), 300);
    const Player_Profile &p = e.s.Current_Profile;
    EXPECT_EQ(FieldText(p.name), "M\xFCller");
    EXPECT_EQ(FieldText(p.first_name), "Zo\xE9");
    EXPECT_EQ(p.licence, 6712345u);
    EXPECT_EQ(p.age, 34u);
    EXPECT_EQ(p.sex, 'M');
    EXPECT_EQ(p.scale_length, 11);
    EXPECT_EQ(p.day_count, 0);
    EXPECT_EQ(p.tournament_count, 0);
    EXPECT_EQ(e.s.Classement_List.size(), 11u);
    PlayerData disk;
    ASSERT_EQ(LoadPlayerFile(e.user("M\xC3\xBCller.usr"), disk, e.p), LoadResult::Ok);
    EXPECT_EQ(std::memcmp(&disk.profile, &p, sizeof p), 0);
}

TEST(NewPlayer, LowestClassementSetsTheScaleAndRebuildsTheOwnList) {
    struct Case {
        const char *lowest;
        int n;
        int own_entries;
        const char *selected; // entry chosen for the user at the lowest's position
    };
    for (const Case c : {Case{"100", 19, 19, "NC"}, Case{"15", 2, 2, ""}, Case{"60", 11, 11, "25"}}) {
        Env e;
        e.p.onDialog([&](QDialog &d) {
            auto &t = FakePlatform::form(d);
            auto &dialog = static_cast<ProfileDialog &>(d);
            EXPECT_EQ(dialog.lowestChoice(), 9999);
            EXPECT_EQ(t.itemCount(ProfileDialog::kOwnList), 19);
            EXPECT_EQ(t.currentIndex(ProfileDialog::kLowestList), -1);
            Fill(t, {.lowest = c.lowest, .own = ""});
            EXPECT_EQ(t.itemCount(ProfileDialog::kOwnList), c.own_entries) << c.lowest;
            EXPECT_EQ(t.itemText(ProfileDialog::kOwnList, 0), "NC");
            EXPECT_EQ(t.itemText(ProfileDialog::kOwnList, 1), c.lowest);
            EXPECT_EQ(t.text(ProfileDialog::kOwnList), c.selected);
            // Choosing another own classement does not rebuild the list.
            t.setCurrentIndex(ProfileDialog::kOwnList, 0);
            t.command(ProfileDialog::kOwnList, kSelChange);
            EXPECT_EQ(t.itemCount(ProfileDialog::kOwnList), c.own_entries);
            t.click(ProfileDialog::kValidate);
        });
        ASSERT_EQ(RunNewPlayer(e.ctx), 300) << c.lowest;
        EXPECT_EQ(e.s.Current_Profile.scale_length, c.n) << c.lowest;
        EXPECT_EQ(FieldText(e.s.Current_Profile.classement), "NC");
    }
}

TEST(NewPlayer, MissingChoicesAreMarkedAndNothingIsWritten) {
    Env e;
    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        Fill(t, {.lowest = "", .own = ""});
        t.click(ProfileDialog::kValidate);
        ASSERT_EQ(t.markList().size(), 2u);
        EXPECT_EQ(t.markList()[0].id, ProfileDialog::kLowestList);
        EXPECT_EQ(t.markList()[0].colour, kMarkRed);
        EXPECT_EQ(t.markList()[1].id, ProfileDialog::kOwnList);
        EXPECT_EQ(t.markList()[1].x, 12);
        EXPECT_EQ(t.markList()[1].y, -8);

        t.setCurrentIndex(ProfileDialog::kLowestList, 0);
        t.command(ProfileDialog::kLowestList, kSelChange);
        t.setCurrentIndex(ProfileDialog::kOwnList, -1);
        t.click(ProfileDialog::kValidate);
        ASSERT_EQ(t.markList().size(), 2u);
        EXPECT_EQ(t.markList()[0].colour, kMarkFace); // 108 is right now
        EXPECT_EQ(t.markList()[1].colour, kMarkRed);
    });
    EXPECT_EQ(RunNewPlayer(e.ctx), FakePlatform::kLeftOpen);
    EXPECT_TRUE(e.p.messages.empty());
    EXPECT_FALSE(Exists(e.user("Dupont.usr")));
    EXPECT_FALSE(Exists(e.user("User.bib")));
}

TEST(NewPlayer, RefusedConfirmationThenCancelLeavesTheLoadedPlayerWhole) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul", .password = "Secret"}), 300);
    const Player_Profile loaded = e.s.Current_Profile;

    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        // Differs only by the case of one letter.
        Fill(t, {.name = "Durand", .first = "Luc", .password = "abc", .confirmation = "abC"});
        t.click(ProfileDialog::kValidate);
        t.click(ProfileDialog::kCancel);
    });
    EXPECT_EQ(RunNewPlayer(e.ctx), 301);
    ASSERT_EQ(e.p.messages.size(), 1u);
    EXPECT_EQ(e.p.messages[0].text, "Mot de passe erroné");
    EXPECT_EQ(e.p.messages[0].caption, "Information");
    EXPECT_EQ(e.p.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(std::memcmp(&e.s.Current_Profile, &loaded, sizeof loaded), 0);

    // The next save goes to the loaded player's own file.
    ASSERT_TRUE(SaveCurrentPlayer(e.s, e.p));
    PlayerData disk;
    ASSERT_EQ(LoadPlayerFile(e.user("Martin.usr"), disk, e.p), LoadResult::Ok);
    EXPECT_EQ(FieldText(disk.profile.name), "Martin");
    EXPECT_EQ(e.library(), (std::vector<std::string>{"Martin.usr"}));
}

TEST(NewPlayer, RegistrationFailureKeepsTheDialogOpenAndNothingRegistered) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul"}), 300);
    const Player_Profile loaded = e.s.Current_Profile;
    // A directory where the library belongs: it cannot be read nor written.
    fs::rename(e.user("User.bib"), e.user("User.bak"));
    fs::create_directory(e.user("User.bib"));
    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        Fill(t, {.name = "Durand", .first = "Luc"});
        t.click(ProfileDialog::kValidate);
        EXPECT_TRUE(d.isVisible());
        t.click(ProfileDialog::kCancel);
    });
    EXPECT_EQ(RunNewPlayer(e.ctx), 301);
    EXPECT_GE(e.p.beeps + int(e.p.messages.size()), 1);
    EXPECT_FALSE(Exists(e.user("Durand.usr")));
    EXPECT_EQ(std::memcmp(&e.s.Current_Profile, &loaded, sizeof loaded), 0);
}

TEST(NewPlayer, HelpKeyOpensTheControlsTopicAndThePictureIsDrawn) {
    Env e;
    fs::create_directories(e.s.Start_Dir + "/data");
    QImage picture(128, 128, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    ASSERT_TRUE(picture.save(QString::fromStdString(e.s.Start_Dir + "/data/titre.bmp"), "BMP"));

    NewPlayerDialog d(e.s, e.p);
    d.show();
    QApplication::processEvents();
    d.setFocusTo(ProfileDialog::kName);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&d, &f1);
    ASSERT_EQ(e.p.helps.size(), 1u);
    EXPECT_EQ(e.p.helps[0].path, e.s.Start_Dir + "/help/zel.hlp");
    EXPECT_EQ(e.p.helps[0].context, ProfileDialog::kName);

    const QRect r = d.pictureRect();
    ASSERT_FALSE(r.isEmpty());
    EXPECT_TRUE(d.rect().contains(r)) << r.x() << "," << r.y() << " in " << d.width() << "x" << d.height();
    const QImage shot = d.grab().toImage();
    EXPECT_EQ(shot.pixelColor(r.center()), QColor(10, 200, 30));
    for (int id : {ProfileDialog::kValidate, ProfileDialog::kCancel})
        EXPECT_FALSE(d.controlRect(id).intersects(r)) << id;

    // The modification gives no context help.
    ModifyProfileDialog m(e.s, e.p);
    QApplication::sendEvent(&m, &f1);
    EXPECT_EQ(e.p.helps.size(), 1u);
}

struct Library3 : Env {
    Library3() {
        for (const char *name : {"Alpha", "Bravo", "Charlie"})
            EXPECT_EQ(CreatePlayer(*this, {.name = name, .first = "X", .password = name}), 300);
    }
};

TEST(LoadPlayer, WrongThenRightPasswordLoadsThePlayer) {
    Library3 e;
    e.s.Player_State = 0;
    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        t.click(LoadPlayerDialog::kValidate); // nothing chosen yet: nothing happens
        EXPECT_TRUE(d.isVisible());
        t.setCurrentIndex(LoadPlayerDialog::kPlayers, 1);
        t.command(LoadPlayerDialog::kPlayers, kSelChange);
        EXPECT_EQ(t.text(LoadPlayerDialog::kName), "Bravo");
        EXPECT_EQ(t.text(LoadPlayerDialog::kFirstName), "X");
        EXPECT_EQ(t.text(LoadPlayerDialog::kLicence), "6712345");
        EXPECT_EQ(t.text(LoadPlayerDialog::kAge), "34");
        EXPECT_EQ(t.text(LoadPlayerDialog::kSex), "Masculin");
        EXPECT_EQ(t.text(LoadPlayerDialog::kClassement), "30");
        EXPECT_EQ(t.text(LoadPlayerDialog::kClub), "ASPTT Strasbourg");
        t.setText(LoadPlayerDialog::kPassword, "bravo");
        t.click(LoadPlayerDialog::kValidate);
        EXPECT_EQ(t.text(LoadPlayerDialog::kMessage), "Mot de passe non valide");
        EXPECT_TRUE(d.isVisible());
        t.setText(LoadPlayerDialog::kPassword, "Bravo");
        t.click(LoadPlayerDialog::kValidate);
    });
    ASSERT_EQ(RunLoadPlayer(e.ctx), 302);
    EXPECT_EQ(FieldText(e.s.Current_Profile.name), "Bravo");
    EXPECT_EQ(e.s.Player_State, 1);
    EXPECT_EQ(e.s.Classement_List.size(), 11u);
    EXPECT_TRUE(e.p.messages.empty());
}

TEST(LoadPlayer, NoPasswordMeansAnEmptyField) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Libre"}), 300);
    e.s.Current_Profile.sex = 'X';
    ASSERT_TRUE(SaveCurrentPlayer(e.s, e.p));

    EXPECT_EQ(LoadPlayer(e, 0, "x"), FakePlatform::kLeftOpen);
    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        t.setCurrentIndex(LoadPlayerDialog::kPlayers, 0);
        t.command(LoadPlayerDialog::kPlayers, kDoubleClick);
        EXPECT_EQ(t.text(LoadPlayerDialog::kSex), "Féminin");
        t.click(LoadPlayerDialog::kValidate);
    });
    EXPECT_EQ(RunLoadPlayer(e.ctx), 302);
    EXPECT_EQ(e.s.Player_State, 2);
}

TEST(LoadPlayer, MissingFileIsRefusedAndNothingChanges) {
    Library3 e;
    ASSERT_EQ(LoadPlayer(e, 0, "Alpha"), 302);
    const Player_Profile loaded = e.s.Current_Profile;
    e.p.onDialog([&](QDialog &d) {
        auto &t = FakePlatform::form(d);
        t.setCurrentIndex(LoadPlayerDialog::kPlayers, 1);
        t.command(LoadPlayerDialog::kPlayers, kSelChange);
        fs::remove(e.user("Bravo.usr")); // gone after the list was read
        t.setText(LoadPlayerDialog::kPassword, "Bravo");
        t.click(LoadPlayerDialog::kValidate);
    });
    EXPECT_EQ(RunLoadPlayer(e.ctx), FakePlatform::kLeftOpen);
    EXPECT_FALSE(e.p.messages.empty());
    EXPECT_EQ(std::memcmp(&e.s.Current_Profile, &loaded, sizeof loaded), 0);
}

int DeleteLoaded(Env &e, int button) {
    e.p.onDialog([&](QDialog &d) {
        auto &t = FakePlatform::form(d);
        EXPECT_EQ(t.text(DeletePlayerDialog::kQuestion), "Voulez-vous supprimer le joueur?");
        EXPECT_EQ(t.text(DeletePlayerDialog::kPlayer),
                  QString::fromStdString(Cp1252ToUtf8(FieldText(e.s.Current_Profile.name))) + " X");
        t.click(button);
    });
    return RunDeletePlayer(e.ctx);
}

TEST(DeletePlayer, FirstOfThreeLeavesTheOthersInOrder) {
    Library3 e;
    ASSERT_EQ(LoadPlayer(e, 0, "Alpha"), 302);
    EXPECT_EQ(DeleteLoaded(e, DeletePlayerDialog::kYes), 1);
    EXPECT_EQ(e.s.Player_State, 0);
    EXPECT_EQ(ReadBytes(e.user("User.bib")).size(), 192u);
    EXPECT_EQ(e.library(), (std::vector<std::string>{"Bravo.usr", "Charlie.usr"}));
    EXPECT_FALSE(Exists(e.user("Alpha.usr")));
    EXPECT_TRUE(e.p.messages.empty());
}

TEST(DeletePlayer, OnlyPlayerTakesTheLibraryWithIt) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Seul", .first = "X"}), 300);
    EXPECT_EQ(DeleteLoaded(e, DeletePlayerDialog::kYes), 1);
    EXPECT_FALSE(Exists(e.user("User.bib")));
    EXPECT_FALSE(Exists(e.user("Seul.usr")));
}

TEST(DeletePlayer, NoChangesNothing) {
    Library3 e;
    const std::vector<uint8_t> library = ReadBytes(e.user("User.bib"));
    EXPECT_EQ(DeleteLoaded(e, DeletePlayerDialog::kNo), 0);
    EXPECT_EQ(e.s.Player_State, 2);
    EXPECT_EQ(ReadBytes(e.user("User.bib")), library);
    EXPECT_TRUE(Exists(e.user("Charlie.usr")));
}

TEST(DeletePlayer, UnlistedPlayerKeepsTheLibraryAndAFileThatWontGoIsSaid) {
    Library3 e;
    const std::vector<uint8_t> library = ReadBytes(e.user("User.bib"));
    SetFieldText(e.s.Current_Profile.file_name, "Fantome.usr");
    EXPECT_EQ(DeleteLoaded(e, DeletePlayerDialog::kYes), 1);
    EXPECT_EQ(ReadBytes(e.user("User.bib")), library);
    EXPECT_EQ(e.p.beeps, 1);
    ASSERT_EQ(e.p.messages.size(), 1u);
    EXPECT_EQ(e.p.messages[0].text, "Impossible d'effacer le fichier user");
    EXPECT_EQ(e.p.messages[0].caption, " Debug");
    EXPECT_EQ(e.s.Player_State, 0);
}

// Browses from the start directory into `path` (names below it) and chooses `file`.
void Browse(TemplateForm &t, const std::vector<std::string> &path, const std::string &file) {
    for (const std::string &dir : path) {
        const int line = t.findItem(ImportPlayerDialog::kEntries, QString::fromStdString("[" + dir + "]"));
        ASSERT_GE(line, 0) << dir;
        t.setCurrentIndex(ImportPlayerDialog::kEntries, line);
        t.command(ImportPlayerDialog::kEntries, kDoubleClick);
    }
    if (!file.empty()) {
        const int line = t.findItem(ImportPlayerDialog::kEntries, QString::fromStdString(file));
        ASSERT_GE(line, 0) << file;
        t.setCurrentIndex(ImportPlayerDialog::kEntries, line);
        t.command(ImportPlayerDialog::kEntries, kSelChange);
    }
}

struct ImportEnv : Env {
    std::string elsewhere;
    ImportEnv() : elsewhere(s.Start_Dir + "/ailleurs") {
        fs::create_directory(elsewhere);
        const PlayerData p = test::MakeDeterministicPlayer();
        WriteBytes(elsewhere + "/Transfert.usr", EncodePlayer(p.profile, p.days, p.tournaments));
    }
    int run(const std::vector<std::string> &path, const std::string &file, int then = 0) {
        p.onDialog([=](QDialog &d) {
            auto &t = FakePlatform::form(d);
            Browse(t, path, file);
            t.click(ImportPlayerDialog::kValidate);
            if (then)
                t.click(then);
        });
        return RunImportPlayer(ctx);
    }
};

TEST(ImportDialog, MovesAPlayerFromAnotherDirectory) {
    ImportEnv e;
    const std::string cwd = fs::current_path().string();
    e.p.onDialog([&](QDialog &d) {
        auto &t = FakePlatform::form(d);
        EXPECT_EQ(t.text(ImportPlayerDialog::kDirectory).toStdString(),
                  fs::canonical(e.s.Start_Dir).string());
        Browse(t, {"ailleurs"}, "");
        EXPECT_EQ(t.text(ImportPlayerDialog::kDirectory).toStdString(), fs::canonical(e.elsewhere).string());
        EXPECT_EQ(t.itemText(ImportPlayerDialog::kEntries, 0), "Transfert.usr");
        EXPECT_EQ(t.itemText(ImportPlayerDialog::kEntries, 1), "[..]");
        Browse(t, {}, "Transfert.usr");
        t.click(ImportPlayerDialog::kValidate);
    });
    EXPECT_EQ(RunImportPlayer(e.ctx), 1);
    EXPECT_EQ(fs::current_path().string(), cwd);
    EXPECT_FALSE(Exists(e.elsewhere + "/Transfert.usr"));
    EXPECT_EQ(e.library(), (std::vector<std::string>{"Dupont.usr"}));
    PlayerData disk;
    ASSERT_EQ(LoadPlayerFile(e.user("Dupont.usr"), disk, e.p), LoadResult::Ok);
    EXPECT_EQ(disk.days.size(), 2u);
    EXPECT_EQ(e.s.Player_State, 0);
    EXPECT_EQ(e.s.Current_Profile.day_count, 0);
}

TEST(ImportDialog, WhileAPlayerIsLoadedTheNextDayGoesToThatPlayer) {
    ImportEnv e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul"}), 300);
    ASSERT_EQ(e.run({"ailleurs"}, "Transfert.usr"), 1);
    EXPECT_EQ(FieldText(e.s.Current_Profile.file_name), "Martin.usr");

    SetFieldText(e.s.Day_Work_Record.season, "Championnat 2000 - 2001");
    ASSERT_TRUE(AppendDay(e.s, FitsOneMoreDay));
    ASSERT_TRUE(SaveCurrentPlayer(e.s, e.p));
    PlayerData martin, dupont;
    ASSERT_EQ(LoadPlayerFile(e.user("Martin.usr"), martin, e.p), LoadResult::Ok);
    ASSERT_EQ(LoadPlayerFile(e.user("Dupont.usr"), dupont, e.p), LoadResult::Ok);
    EXPECT_EQ(martin.days.size(), 1u);
    EXPECT_EQ(dupont.days.size(), 2u);
    EXPECT_EQ(e.library(), (std::vector<std::string>{"Martin.usr", "Dupont.usr"}));
}

TEST(ImportDialog, RefusalsSayWhyAndLeaveEverythingInPlace) {
    ImportEnv e;
    WriteBytes(e.elsewhere + "/faux.usr", {'z', 'i', 'p'});
    EXPECT_EQ(e.run({"ailleurs"}, "faux.usr", ImportPlayerDialog::kCancel), 1);
    EXPECT_EQ(e.run({"ailleurs"}, "", ImportPlayerDialog::kCancel), 1); // a directory entered, no file
    EXPECT_EQ(e.run({}, "", ImportPlayerDialog::kCancel), 1);           // nothing chosen at all
    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        Browse(t, {}, "[ailleurs]"); // a directory chosen, not entered
        t.click(ImportPlayerDialog::kValidate);
        t.click(ImportPlayerDialog::kCancel);
    });
    EXPECT_EQ(RunImportPlayer(e.ctx), 1);

    ASSERT_EQ(e.p.messages.size(), 4u);
    EXPECT_EQ(e.p.messages[0].text, "Le fichier faux.usr n'est pas un fichier joueur valide");
    EXPECT_EQ(e.p.messages[0].caption, "Information");
    for (int i : {1, 2, 3})
        EXPECT_EQ(e.p.messages[i].text, "Ceci est un répertoire") << i;
    EXPECT_TRUE(Exists(e.elsewhere + "/faux.usr"));
    EXPECT_TRUE(Exists(e.elsewhere + "/Transfert.usr"));
    EXPECT_FALSE(Exists(e.user("User.bib")));
}

TEST(ImportDialog, ThePlayersDirectoryItselfIsRefusedAlsoThroughALink) {
    ImportEnv e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul"}), 300);
    fs::create_directory_symlink(e.s.User_Dir, e.s.Start_Dir + "/raccourci");
    EXPECT_EQ(e.run({"users"}, "Martin.usr", ImportPlayerDialog::kCancel), 1);
    EXPECT_EQ(e.run({"raccourci"}, "Martin.usr", ImportPlayerDialog::kCancel), 1);
    ASSERT_EQ(e.p.messages.size(), 2u);
    for (const auto &m : e.p.messages) {
        EXPECT_EQ(m.text, "Vous tentez d'écraser un fichier par lui même");
        EXPECT_EQ(m.caption, "Information");
        EXPECT_EQ(m.icon, Icon::None);
    }
    EXPECT_EQ(e.library(), (std::vector<std::string>{"Martin.usr"}));
    EXPECT_TRUE(Exists(e.user("Martin.usr")));
}

TEST(ImportDialog, SaveFailureKeepsTheSource) {
    ImportEnv e;
    e.s.User_Dir = e.s.Start_Dir + "/absent/";
    EXPECT_EQ(e.run({"ailleurs"}, "Transfert.usr", ImportPlayerDialog::kCancel), 1);
    EXPECT_FALSE(e.p.messages.empty());
    EXPECT_TRUE(Exists(e.elsewhere + "/Transfert.usr"));
    EXPECT_FALSE(fs::exists(e.s.User_Dir));
}

// Modify the loaded player's profile: pick a lowest classement and an own one.
int Modify(Env &e, const char *lowest, const char *own) {
    e.p.onDialog([=](QDialog &d) {
        auto &t = FakePlatform::form(d);
        if (lowest) {
            t.setCurrentIndex(ProfileDialog::kLowestList, t.findItem(ProfileDialog::kLowestList, lowest));
            t.command(ProfileDialog::kLowestList, kSelChange);
        }
        if (own)
            t.setCurrentIndex(ProfileDialog::kOwnList, t.findItem(ProfileDialog::kOwnList, own));
        t.click(ProfileDialog::kValidate);
    });
    return RunModifyProfile(e.ctx);
}

TEST(ModifyProfile, OpensFilledAndSavesUnchangedAsItWas) {
    Env e;
    ASSERT_EQ(
        CreatePlayer(e, {.name = "Martin", .first = "Paul", .lowest = "40", .own = "30", .password = "pw"}),
        300);
    const std::vector<uint8_t> before = ReadBytes(e.user("Martin.usr"));
    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        EXPECT_EQ(d.windowTitle(), "Modification du profil du joueur");
        EXPECT_EQ(t.text(ProfileDialog::kName), "Martin");
        EXPECT_EQ(t.text(ProfileDialog::kLowestList), "40");
        EXPECT_EQ(t.itemCount(ProfileDialog::kOwnList), 7);
        EXPECT_EQ(t.text(ProfileDialog::kOwnList), "30");
        EXPECT_EQ(t.text(ProfileDialog::kConfirmation), "pw");
        EXPECT_EQ(t.text(ProfileDialog::kLicence), "6712345");
        EXPECT_TRUE(t.checked(ProfileDialog::kMale));
        EXPECT_EQ(static_cast<ProfileDialog &>(d).lowestChoice(), 12);
        t.click(ProfileDialog::kValidate);
    });
    EXPECT_EQ(RunModifyProfile(e.ctx), 302);
    EXPECT_EQ(ReadBytes(e.user("Martin.usr")), before);
}

TEST(ModifyProfile, NcVictoriesStayNcAcrossAScaleChange) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul", .lowest = "60", .own = "30"}), 300);
    Tournament_Sheet t{};
    SetFieldText(t.name, "Open de Metz");
    t.columns[TournamentColumnOf(11, "NC")].victories = 2;
    t.points = 5;
    e.s.Mem_Tournois.assign(1, t);
    e.s.Current_Profile.tournament_count = 1;
    ASSERT_TRUE(SaveCurrentPlayer(e.s, e.p));

    ASSERT_EQ(Modify(e, "100", "30"), 302);
    EXPECT_EQ(e.s.Current_Profile.scale_length, 19);
    PlayerData disk;
    ASSERT_EQ(LoadPlayerFile(e.user("Martin.usr"), disk, e.p), LoadResult::Ok);
    EXPECT_EQ(disk.tournaments.at(0).columns[TournamentColumnOf(19, "NC")].victories, 2u);
    EXPECT_EQ(disk.tournaments.at(0).columns[TournamentColumnOf(19, "65")].victories, 0u);
    EXPECT_EQ(disk.tournaments.at(0).points, 5);

    ASSERT_EQ(Modify(e, "60", "30"), 302);
    EXPECT_EQ(e.s.Classement_List.size(), 11u);
    EXPECT_EQ(e.s.Mem_Tournois.at(0).columns[TournamentColumnOf(11, "NC")].victories, 2u);
    EXPECT_EQ(std::memcmp(&e.s.Mem_Tournois.at(0), &t, sizeof t), 0);
}

TEST(ModifyProfile, RefusedValidationThenCancelChangesNothing) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul"}), 300);
    const Player_Profile loaded = e.s.Current_Profile;
    e.p.onDialog([](QDialog &d) {
        auto &t = FakePlatform::form(d);
        t.setText(ProfileDialog::kName, "Autre");
        t.setText(ProfileDialog::kPassword, "x");
        t.click(ProfileDialog::kValidate);
        t.click(ProfileDialog::kCancel);
    });
    EXPECT_EQ(RunModifyProfile(e.ctx), 301);
    EXPECT_EQ(std::memcmp(&e.s.Current_Profile, &loaded, sizeof loaded), 0);
}

TEST(ModifyProfile, ANewOwnClassementRecomputesTheSeasonsPoints) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul", .lowest = "60", .own = "30"}), 300);
    // A day of the current season (the fake clock says 15 March 2001): a
    // victory against a "25", worth 3 to a "30" and 2 to a "25".
    Day_Sheet day{};
    SetFieldText(day.season, "Championnat 2000 - 2001");
    SetFieldText(day.classement, "30");
    e.s.Day_Work_Record = day;
    ASSERT_TRUE(AppendDay(e.s, FitsOneMoreDay));
    Day_Sheet &stored = e.s.Mem_Days.at(0);
    stored.singles[0].played = 1;
    SetFieldText(stored.singles[0].classement, "25");
    stored.singles[0].player_scores[0] = 11;
    stored.singles[0].player_scores[1] = 11;
    stored.singles[0].opponent_scores[0] = 5;
    stored.singles[0].opponent_scores[1] = 5;
    stored.singles[0].points = 3;
    ASSERT_TRUE(SaveCurrentPlayer(e.s, e.p));

    ASSERT_EQ(Modify(e, nullptr, "25"), 302);
    PlayerData disk;
    ASSERT_EQ(LoadPlayerFile(e.user("Martin.usr"), disk, e.p), LoadResult::Ok);
    EXPECT_EQ(FieldText(disk.profile.classement), "25");
    EXPECT_EQ(disk.days.at(0).singles[0].points, 2);
}

} // namespace
} // namespace zel
