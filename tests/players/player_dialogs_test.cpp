// The player dialogs driven by control id against a temporary players' directory.
#include "players/delete_player_dialog.h"
#include "players/import_player_dialog.h"
#include "players/load_player_dialog.h"
#include "players/player_commands.h"
#include "players/profile_dialog.h"

#include "days/day_store.h"
#include "platform/paths.h"
#include "players/player_library.h"
#include "storage_test_support.h"
#include "support/fake_platform.h"
#include "tournaments/tournament_groups.h"

#include <filesystem>

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::Exists;
using test::ReadBytes;
using Names = std::vector<std::string>;

bool Same(const Player_Profile &a, const Player_Profile &b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A program started in a fresh directory with the default players' directory ".\users\".
struct Env {
    test::TempDir root;
    SharedState s;
    FakePlatform p;
    CommandContext ctx{s, p, nullptr};

    Env() {
        s.Start_Dir = root.path().substr(0, root.path().size() - 1);
        s.User_Dir = ResolveUserDir(s.Start_Dir, kDefaultUserDrive, kDefaultUserPath);
        EnsureDirectory(s.User_Dir);
        fs::create_directory(root.path() + "share");
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(root.path() + "share")); // its Trash
    }
    // In the desktop's Trash, with what the file manager needs to put it back.
    bool trashed(const std::string &name) const {
        return Exists(root.path() + "share/Trash/files/" + name) &&
               Exists(root.path() + "share/Trash/info/" + name + ".trashinfo");
    }
    std::string user(const std::string &name) const { return s.User_Dir + name; }
    Names library() const {
        Names names;
        const std::vector<uint8_t> bytes = ReadBytes(user("User.bib"));
        for (std::size_t at = 0; at + kLibraryRecordBytes <= bytes.size(); at += kLibraryRecordBytes)
            names.emplace_back(FieldText(reinterpret_cast<const char *>(&bytes[at]), kLibraryRecordBytes));
        return names;
    }
    // `command`'s dialog driven by `drive`, given its form and itself; gives what the command returned.
    template <class Drive>
    int run(int (*command)(CommandContext &), Drive drive,
            FakePlatform::Ending ending = FakePlatform::Closes) {
        p.onDialog([drive](QDialog &d) { drive(FakePlatform::form(d), d); }, ending);
        return command(ctx);
    }
    PlayerData disk(const std::string &name) {
        PlayerData d;
        EXPECT_EQ(LoadPlayerFile(user(name), d, p), LoadResult::Ok) << name;
        return d;
    }
};

void Choose(TemplateForm &t, int list, const QString &item, int event = kSelChange) {
    t.setCurrentIndex(list, t.findItem(list, item));
    t.command(list, event);
}

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
    t.setText(ProfileDialog::kName, QString::fromUtf8(in.name));
    t.setText(ProfileDialog::kFirstName, QString::fromUtf8(in.first));
    if (*in.lowest)
        Choose(t, ProfileDialog::kLowestList, in.lowest);
    if (*in.own)
        Choose(t, ProfileDialog::kOwnList, in.own);
    t.setText(ProfileDialog::kPassword, QString::fromUtf8(in.password));
    t.setText(ProfileDialog::kConfirmation,
              QString::fromUtf8(in.confirmation ? in.confirmation : in.password));
}

int CreatePlayer(Env &e, const Typed &in) {
    return e.run(RunNewPlayer, [&](TemplateForm &t, QDialog &) {
        Fill(t, in);
        t.click(ProfileDialog::kValidate);
    });
}

int LoadPlayer(Env &e, const char *player, const char *password,
               FakePlatform::Ending ending = FakePlatform::Closes) {
    return e.run(
        RunLoadPlayer,
        [&](TemplateForm &t, QDialog &) {
            Choose(t, LoadPlayerDialog::kPlayers, player);
            t.setText(LoadPlayerDialog::kPassword, QString::fromUtf8(password));
            t.click(LoadPlayerDialog::kValidate);
        },
        ending);
}

TEST(NewPlayer, MissingChoicesAreMarkedAboveTheirListsAndRefusalsThenCancelLeaveTheLoadedPlayerWhole) {
    Env e;
    e.run(
        RunNewPlayer,
        [](TemplateForm &t, QDialog &) {
            Fill(t, {.lowest = "", .own = ""});
            t.click(ProfileDialog::kValidate);
            std::vector<std::array<int, 4>> marks;
            for (const Mark &m : t.markList())
                marks.push_back({m.id, m.x, m.y, m.colour});
            EXPECT_EQ(marks, (std::vector<std::array<int, 4>>{{ProfileDialog::kLowestList, 12, -8, kMarkRed},
                                                              {ProfileDialog::kOwnList, 12, -8, kMarkRed}}));
            Choose(t, ProfileDialog::kLowestList, "15"); // the own list rebuilt: "NC" and "15"
            EXPECT_EQ(t.itemCount(ProfileDialog::kOwnList), 2);
        },
        FakePlatform::StaysOpen);
    EXPECT_TRUE(e.p.messages.empty() && fs::is_empty(e.s.User_Dir));

    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul", .password = "Secret"}), 300);
    EXPECT_EQ(e.s.Classement_List.size(), 11u);
    const Player_Profile loaded = e.s.Current_Profile;
    // A confirmation that differs only by the case of one letter; then a library that can be
    // neither read nor written.
    const auto refused = [](const Typed &typed) {
        return [typed](TemplateForm &t, QDialog &d) {
            Fill(t, typed);
            t.click(ProfileDialog::kValidate);
            EXPECT_TRUE(d.isVisible());
            t.click(ProfileDialog::kCancel);
        };
    };
    EXPECT_EQ(e.run(RunNewPlayer,
                    refused({.name = "Durand", .first = "Luc", .password = "abc", .confirmation = "abC"})),
              301);
    fs::rename(e.user("User.bib"), e.user("User.bak"));
    fs::create_directory(e.user("User.bib"));
    EXPECT_EQ(e.run(RunNewPlayer, refused({.name = "Durand", .first = "Luc"})), 301);
    EXPECT_EQ(e.p.messages, (Messages{{"Mot de passe erroné", "Information", Icon::Exclamation}}));
    EXPECT_EQ(e.p.beeps, 1);
    EXPECT_TRUE(!Exists(e.user("Durand.usr")) && Same(e.s.Current_Profile, loaded));
}

int DeleteLoaded(Env &e, int button) {
    return e.run(RunDeletePlayer, [&](TemplateForm &t, QDialog &) {
        EXPECT_EQ(t.text(DeletePlayerDialog::kQuestion), "Voulez-vous supprimer le joueur?");
        EXPECT_EQ(t.text(DeletePlayerDialog::kPlayer),
                  QString::fromStdString(std::string(FieldText(e.s.Current_Profile.name))) + " X");
        t.click(button);
    });
}

TEST(LoadAndDelete, PasswordsAFileGoneSinceTheListIsRefusedAndTheFirstOfThreeGoesToTheTrash) {
    Env e;
    for (const char *name : {"Alpha", "Bravo", "Charlie"})
        ASSERT_EQ(CreatePlayer(e, {.name = name, .first = "X", .password = name}), 300);
    const std::vector<uint8_t> library = ReadBytes(e.user("User.bib"));
    EXPECT_EQ(DeleteLoaded(e, DeletePlayerDialog::kNo), 0);
    EXPECT_EQ(e.s.Player_State, 2);
    // A player with no record keeps the library whole; a file that won't go is said.
    SetFieldText(e.s.Current_Profile.file_name, "Fantome.usr");
    EXPECT_EQ(DeleteLoaded(e, DeletePlayerDialog::kYes), 1);
    EXPECT_EQ(ReadBytes(e.user("User.bib")), library);
    EXPECT_EQ(e.p.beeps, 1);

    e.s.Player_State = 0;
    e.s.Classement_List.clear(); // the load builds Bravo's
    const int loaded_first = e.run(RunLoadPlayer, [](TemplateForm &t, QDialog &) {
        Choose(t, LoadPlayerDialog::kPlayers, "Bravo X");
        t.setText(LoadPlayerDialog::kPassword, "bravo");
        t.click(LoadPlayerDialog::kValidate);
        EXPECT_EQ(t.text(LoadPlayerDialog::kMessage), "Mot de passe non valide");
        t.setText(LoadPlayerDialog::kPassword, "Bravo");
        t.click(LoadPlayerDialog::kValidate);
    });
    ASSERT_EQ(loaded_first, 302);
    EXPECT_EQ(std::tuple(FieldText(e.s.Current_Profile.name), e.s.Player_State, e.s.Classement_List.size()),
              std::tuple(std::string_view("Bravo"), 1, std::size_t(11)));

    // Charlie's file goes while the dialog shows him: refused, the dialog stays, nothing changes.
    const Player_Profile loaded = e.s.Current_Profile;
    e.run(
        RunLoadPlayer,
        [&](TemplateForm &t, QDialog &) {
            fs::remove(e.user("Charlie.usr"));
            Choose(t, LoadPlayerDialog::kPlayers, "Charlie X");
            t.setText(LoadPlayerDialog::kPassword, "Charlie");
            t.click(LoadPlayerDialog::kValidate);
        },
        FakePlatform::StaysOpen);
    EXPECT_EQ(e.p.messages,
              (Messages{{"Impossible d'effacer le fichier user", " Debug", Icon::Exclamation},
                        {e.user("Charlie.usr"), "Probleme d'ouverture du fichier", Icon::None}}));
    EXPECT_TRUE(Same(e.s.Current_Profile, loaded) && e.s.Player_State == 1);

    // No password means an empty field.
    ASSERT_EQ(CreatePlayer(e, {.name = "Libre"}), 300);
    LoadPlayer(e, "Libre Jean", "x", FakePlatform::StaysOpen);
    EXPECT_EQ(LoadPlayer(e, "Libre Jean", ""), 302);
    EXPECT_EQ(e.s.Player_State, 2);

    ASSERT_EQ(LoadPlayer(e, "Alpha X", "Alpha"), 302);
    EXPECT_EQ(DeleteLoaded(e, DeletePlayerDialog::kYes), 1);
    EXPECT_EQ(e.s.Player_State, 0);
    EXPECT_EQ(e.library(), (Names{"Bravo.usr", "Charlie.usr", "Libre.usr"}));
    EXPECT_TRUE(!Exists(e.user("Alpha.usr")) && e.trashed("Alpha.usr"));
}

// Browses from the start directory into `path` (names below it) and chooses `file`.
void Browse(TemplateForm &t, const Names &path, const std::string &file) {
    for (const std::string &dir : path)
        Choose(t, ImportPlayerDialog::kEntries, QString::fromStdString("[" + dir + "]"), kDoubleClick);
    if (!file.empty())
        Choose(t, ImportPlayerDialog::kEntries, QString::fromStdString(file));
}

struct ImportEnv : Env {
    std::string elsewhere;
    ImportEnv() : elsewhere(s.Start_Dir + "/ailleurs") {
        fs::create_directory(elsewhere);
        const PlayerData p = test::MakeDeterministicPlayer();
        test::WriteBytes(elsewhere + "/Transfert.USR", EncodePlayer(p.profile, p.days, p.tournaments));
    }
    // Validates `file` of `path`, then leaves with "Annuler" (the import refused).
    void refused(const Names &path, const std::string &file) {
        const int result = run(RunImportPlayer, [=](TemplateForm &t, QDialog &) {
            Browse(t, path, file);
            t.click(ImportPlayerDialog::kValidate);
            t.click(ImportPlayerDialog::kCancel);
        });
        EXPECT_EQ(result, 1);
    }
};

// With the keyboard alone: arrows choose, Enter on a directory enters it, Enter on a file imports it.
TEST(ImportDialog, MovesAPlayerFromAnotherDirectoryLeavingTheLoadedOneAlone) {
    ImportEnv e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul"}), 300);
    const SharedState before = e.s;
    const std::string cwd = fs::current_path().string();
    const int result = e.run(RunImportPlayer, [&](TemplateForm &t, QDialog &d) {
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QWidget *list = t.control(ImportPlayerDialog::kEntries);
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down); // "[..]"
        QTest::keyClick(list, Qt::Key_Down); // "[ailleurs]"
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(t.text(ImportPlayerDialog::kDirectory).toStdString(), fs::canonical(e.elsewhere).string());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(fs::current_path().string(), cwd);
    EXPECT_TRUE(!Exists(e.elsewhere + "/Transfert.USR") && e.trashed("Transfert.USR"));
    EXPECT_EQ(e.library(), (Names{"Martin.usr", "Dupont.usr"}));
    EXPECT_EQ(e.disk("Dupont.usr").days.size(), 2u);
    EXPECT_TRUE(Same(e.s.Current_Profile, before.Current_Profile) &&
                e.s.Classement_List == before.Classement_List && e.s.Mem_Days.empty() &&
                e.s.Mem_Tournois.empty());
}

TEST(ImportDialog, RefusalsAndFailuresLeaveEverythingInPlace) {
    ImportEnv e;
    test::WriteBytes(e.elsewhere + "/faux.usr", {'z', 'i', 'p'});
    e.refused({"ailleurs"}, "faux.usr");
    e.refused({}, "");           // nothing chosen
    e.refused({}, "[ailleurs]"); // a directory chosen, not entered
    // The players' directory itself, also through a link.
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul"}), 300);
    fs::create_directory_symlink(e.s.User_Dir, e.s.Start_Dir + "/raccourci");
    e.refused({"users"}, "Martin.usr");
    e.refused({"raccourci"}, "Martin.usr");
    EXPECT_EQ(e.library(), (Names{"Martin.usr"}));
    EXPECT_TRUE(Exists(e.user("Martin.usr")));
    // A players' directory that cannot be written: the source stays.
    e.s.User_Dir = e.s.Start_Dir + "/absent/";
    e.refused({"ailleurs"}, "Transfert.USR");
    const std::string self = "Vous tentez d'écraser un fichier par lui même";
    EXPECT_EQ(e.p.messages,
              (Messages{{"Le fichier faux.usr n'est pas un fichier joueur valide", "Information"},
                        {"Ceci est un répertoire", "Information"},
                        {"Ceci est un répertoire", "Information"},
                        {self, "Information"},
                        {self, "Information"},
                        {"Le répertoire des joueurs ne peut pas être lu : aucun joueur n'y est enregistré.",
                         "Zel Manager", Icon::Exclamation}}));
    EXPECT_TRUE(Exists(e.elsewhere + "/faux.usr") && Exists(e.elsewhere + "/Transfert.USR"));
}

// Modifies the loaded player's profile: picks a lowest classement and an own one.
int Modify(Env &e, const char *lowest, const char *own) {
    return e.run(RunModifyProfile, [=](TemplateForm &t, QDialog &) {
        if (lowest)
            Choose(t, ProfileDialog::kLowestList, lowest);
        t.setCurrentIndex(ProfileDialog::kOwnList, t.findItem(ProfileDialog::kOwnList, own));
        t.click(ProfileDialog::kValidate);
    });
}

// Opens filled, a refused validation then "Annuler" change nothing; NC victories stay NC across a
// change of scale, and a new own classement recomputes the season's points.
TEST(ModifyProfile, OpensFilledAnnulerChangesNothingNcStaysNcAndANewOwnClassementRecomputesPoints) {
    Env e;
    ASSERT_EQ(CreatePlayer(e, {.name = "Martin", .first = "Paul", .password = "pw"}), 300);
    const Player_Profile loaded = e.s.Current_Profile;
    const int result = e.run(RunModifyProfile, [](TemplateForm &t, QDialog &) {
        EXPECT_EQ(t.text(ProfileDialog::kOwnList), "30");
        t.setText(ProfileDialog::kName, "Autre");
        t.setText(ProfileDialog::kPassword, "x");
        t.click(ProfileDialog::kValidate);
        t.click(ProfileDialog::kCancel);
    });
    EXPECT_EQ(result, 301);
    EXPECT_TRUE(Same(e.s.Current_Profile, loaded));

    Tournament_Sheet t{};
    t.columns[TournamentColumnOf(11, "NC")].victories = 2;
    t.columns[TournamentColumnOf(11, "4T")].defeats = 1;
    t.points = 5;
    e.s.Mem_Tournois.assign(1, t);
    e.s.Current_Profile.tournament_count = 1;
    // A day of the current season (the fake clock says 15 March 2001): a
    // victory against a "25", worth 3 to a "30" and 2 to a "25".
    SetFieldText(e.s.Day_Work_Record.season, "Championnat 2000 - 2001");
    SetFieldText(e.s.Day_Work_Record.classement, "30");
    ASSERT_TRUE(AppendDay(e.s, FitsOneMoreDay));
    Single_Slot &match = e.s.Mem_Days.at(0).singles[0];
    match = {1, "", "25", {}, {11, 11, 0}, {5, 5, 0}, 1}; // stale: the rule gives 3 now
    ASSERT_TRUE(SaveCurrentPlayer(e.s, e.p));
    ASSERT_EQ(Modify(e, nullptr, "30"), 302); // the same classement: nothing recomputed
    EXPECT_EQ(e.disk("Martin.usr").days.at(0).singles[0].points, 1);

    // NC victories stay NC across a change of scale.
    ASSERT_EQ(Modify(e, "100", "30"), 302);
    EXPECT_EQ(e.s.Mem_Tournois.at(0).columns[TournamentColumnOf(19, "NC")].victories, 2u);
    EXPECT_EQ(e.s.Classement_List.size(), 19u);
    ASSERT_EQ(Modify(e, "60", "30"), 302);
    const Tournament_Sheet saved = e.disk("Martin.usr").tournaments.at(0);
    EXPECT_EQ(std::memcmp(&saved, &t, sizeof t), 0);

    // A new own classement recomputes the season's points.
    ASSERT_EQ(Modify(e, nullptr, "25"), 302);
    const PlayerData disk = e.disk("Martin.usr");
    EXPECT_EQ(FieldText(disk.profile.classement), "25");
    EXPECT_EQ(disk.days.at(0).singles[0].points, 2);
}

} // namespace
} // namespace zel
