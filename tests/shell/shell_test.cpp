// The main window driven as the user drives it: menus, toolbar, accelerators,
// start-up settings, automatic loading, options, about box and help.
#include "platform/fixed_text.h"
#include "platform/ini_file.h"
#include "players/player_library.h"
#include "resources/templates/shell_templates.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "storage/player_file.h"
#include "support/fake_platform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>

namespace zel {
namespace {

const std::vector<int> kRecapAndDayAndTournamentItems = {40007, 40008, 40010, 502, 2102, 40014, 40015};

Player_Profile Dupont(int days, int tournaments, const char *password = "") {
    Player_Profile p{};
    SetFieldText(p.name, "Dupont");
    SetFieldText(p.first_name, "Jean");
    SetFieldText(p.file_name, "Dupont.usr");
    SetFieldText(p.password, password);
    SetFieldText(p.classement, "40");
    p.sex = 'M';
    p.scale_length = 10;
    p.day_count = days;
    p.tournament_count = tournaments;
    return p;
}

class Shell : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;

    std::string start() const { return QDir(dir.path()).absolutePath().toStdString(); }
    std::string path(const char *name) const { return start() + "/" + name; }

    void writeIni(const std::string &text) { std::ofstream(path("Zel.ini"), std::ios::binary) << text; }

    // A saved player listed in users/User.bib.
    void addPlayer(const Player_Profile &p) {
        QDir(dir.path()).mkpath("users");
        std::vector<Day_Sheet> days(std::size_t(p.day_count));
        std::vector<Tournament_Sheet> tournaments(std::size_t(p.tournament_count));
        SilentReporter quiet;
        ASSERT_TRUE(SavePlayerFile(path("users/") + std::string(FieldText(p.file_name)), p, days, tournaments,
                                   quiet));
        std::string record(kLibraryRecordBytes, '\0');
        record.replace(0, FieldText(p.file_name).size(), FieldText(p.file_name));
        std::ofstream(path("users/User.bib"), std::ios::binary | std::ios::app) << record;
    }

    MainWindow &open() {
        window = std::make_unique<MainWindow>(platform, start());
        window->startUp();
        return *window;
    }

    // A command whose dialog leaves the player in `profile` and ends with `result`.
    void fakeDialog(int command, std::function<void(SharedState &)> effect, int result) {
        window->setOpener(command, [effect, result](CommandContext &c) {
            effect(c.state);
            return result;
        });
    }

    void loadPlayer(int days, int tournaments) {
        fakeDialog(
            302,
            [days, tournaments](SharedState &s) {
                s.Current_Profile = Dupont(days, tournaments);
                s.Player_State = s.Player_State == 0 ? 1 : 2;
            },
            302);
        window->dispatch(302);
    }

    bool item(int id) const {
        QAction *a = window->menuAction(id);
        EXPECT_NE(a, nullptr) << id;
        return a && a->isEnabled();
    }
    bool button(int id) const {
        QAction *a = window->toolbarAction(id);
        EXPECT_NE(a, nullptr) << id;
        return a && a->isEnabled();
    }

    // Every menu as "Popup: item | item ...", separators as "-".
    std::vector<std::string> menus() const {
        std::vector<std::string> out;
        for (QAction *popup : window->menuBar()->actions()) {
            std::string line = popup->text().toStdString() + ":";
            for (QAction *a : popup->menu()->actions())
                line += " " + (a->isSeparator()
                                   ? std::string("-")
                                   : a->text().toStdString() + "=" + std::to_string(a->data().toInt()));
            out.push_back(line);
        }
        return out;
    }

    std::vector<int> buttonIds() const {
        std::vector<int> ids;
        for (QAction *a : window->toolbar()->actions())
            ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
        return ids;
    }
};

TEST_F(Shell, startsWithTheSimpleFaceAndCreatesThePlayersDirectory) {
    MainWindow &w = open();
    EXPECT_EQ(w.windowTitle(), "Zel Manager");
    EXPECT_FALSE(w.fullMenu());
    EXPECT_EQ(menus(),
              (std::vector<std::string>{
                  "&Joueur: &Nouveau\tCtrl+N=301 C&harger\tCtrl+H=302 &Importer\tCtrl+I=40017 - &Quitter=101",
                  "&Aide: &Rubriques=40002 &Au sujet de Zel Manager ...=201"}));
    EXPECT_EQ(buttonIds(), (std::vector<int>{19000, 19001}));
    EXPECT_EQ(w.toolbarAction(19001)->toolTip(), "Chargement d'un joueur");
    EXPECT_EQ(w.state().User_Dir, start() + "/users/");
    EXPECT_TRUE(QDir(QString::fromStdString(w.state().User_Dir)).exists());
    EXPECT_EQ(w.state().Start_Dir, start());
    EXPECT_EQ(w.width(), 320);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Shell, loadingAPlayerShowsTheFullFaceWithItemsByCounts) {
    open();
    loadPlayer(0, 3);
    EXPECT_EQ(window->windowTitle(), "Zel Manager. Joueur : Dupont Jean");
    EXPECT_EQ(
        menus(),
        (std::vector<std::string>{
            "&Joueur: &Nouveau\tCtrl+N=301 C&harger\tCtrl+H=302 &Modifier=40005 &Supprimer=304 &Fermer=305 - "
            "&Quitter=101",
            "&Saison: &Ajout d'une journée\tCtrl+A=2101 &Résultats\tCtrl+S=502 &Modification d'une "
            "journée=2102 - A&jout d'un tournoi\tCtrl+T=40013 &Vue tournoi(s)\tCtrl+O=40014 Modification "
            "d'un tournoi=40015",
            "Statisti&ques: &Récapitulatif\tCtrl+E=40007 &Détails\tCtrl+D=40008 - Graphes ...\tCtrl+G=40010",
            "&Option: Utilisateur=40022", "&Aide: &Rubriques=40002 &Au sujet de Zel Manager ...=201"}));
    EXPECT_EQ(buttonIds(), (std::vector<int>{19000, 19001, 0, 0, 19002, 19003, 19004, 0, 19005, 19006}));
    EXPECT_EQ(window->toolbarAction(19003)->toolTip(), "Visualisation des journées");
    EXPECT_TRUE(item(40007));
    EXPECT_TRUE(button(19004));
    for (int id : {40008, 40010, 502, 2102})
        EXPECT_FALSE(item(id)) << id;
    EXPECT_FALSE(button(19003));
    EXPECT_TRUE(item(40014));
    EXPECT_TRUE(item(40015));
    EXPECT_TRUE(button(19006));
    EXPECT_TRUE(button(19002));
    EXPECT_TRUE(button(19005));
}

TEST_F(Shell, stepsAfterEachDialog) {
    open();
    // New player: nothing to show yet.
    fakeDialog(
        301,
        [](SharedState &s) {
            s.Current_Profile = Dupont(0, 0);
            s.Player_State = 1;
        },
        300);
    window->dispatch(19000);
    for (int id : kRecapAndDayAndTournamentItems)
        EXPECT_FALSE(item(id)) << id;
    EXPECT_FALSE(button(19003));
    EXPECT_FALSE(button(19004));
    EXPECT_FALSE(button(19006));

    // A day added: day items and recap, still no tournaments.
    fakeDialog(
        2101, [](SharedState &s) { s.Current_Profile.day_count = 1; }, 302);
    window->dispatch(40019);
    for (int id : {40007, 40008, 40010, 502, 2102})
        EXPECT_TRUE(item(id)) << id;
    EXPECT_FALSE(item(40014));
    EXPECT_FALSE(button(19006));
    EXPECT_TRUE(button(19003));

    // A tournament added.
    fakeDialog(
        40013, [](SharedState &s) { s.Current_Profile.tournament_count = 1; }, 1);
    window->dispatch(40024);
    EXPECT_TRUE(item(40014));
    EXPECT_TRUE(item(40015));
    EXPECT_TRUE(button(19006));

    // The last day deleted while tournaments remain: the recap item stays, its button goes.
    fakeDialog(
        2102, [](SharedState &s) { s.Current_Profile.day_count = 0; }, 1);
    window->dispatch(2102);
    EXPECT_TRUE(item(40007));
    EXPECT_FALSE(button(19004));
    EXPECT_FALSE(button(19003));
    for (int id : {40008, 40010, 502, 2102})
        EXPECT_FALSE(item(id)) << id;

    // The last tournament deleted too: everything gray.
    fakeDialog(
        40015, [](SharedState &s) { s.Current_Profile.tournament_count = 0; }, 0);
    window->dispatch(40015);
    EXPECT_FALSE(item(40007));
    EXPECT_FALSE(item(40014));
    EXPECT_FALSE(button(19006));

    // A cancelled dialog changes nothing: the load ends with another value.
    fakeDialog(
        302, [](SharedState &) {}, 1);
    window->dispatch(302);
    EXPECT_FALSE(item(40007));

    // A profile modification gives a fresh full face, everything enabled.
    fakeDialog(
        40005, [](SharedState &) {}, 302);
    window->dispatch(40005);
    for (int id : kRecapAndDayAndTournamentItems)
        EXPECT_TRUE(item(id)) << id;

    // "Fermer": back to the simple face.
    window->dispatch(305);
    EXPECT_FALSE(window->fullMenu());
    EXPECT_EQ(window->windowTitle(), "Zel Manager");
    EXPECT_EQ(window->state().Player_State, 0);
}

struct Key {
    Qt::Key key;
    int command; // the menu id of the dialog it opens, 0 for none
};

class Accelerators : public Shell {
  protected:
    // The dialogs themselves are not under test: each command only records that it opened.
    std::vector<int> press(const std::vector<Key> &keys) {
        for (const CommandEntry &e : CommandTable())
            if (e.action == Action::Dialog)
                window->setOpener(e.ids[0], [](CommandContext &) { return 0; });
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        std::vector<int> opened;
        for (const Key &k : keys) {
            const std::size_t before = window->openedCommands().size();
            QTest::keyClick(window.get(), k.key,
                            k.key == Qt::Key_Escape ? Qt::NoModifier : Qt::ControlModifier);
            opened.push_back(window->openedCommands().size() > before ? window->openedCommands().back() : 0);
        }
        return opened;
    }
    static std::vector<int> expected(const std::vector<Key> &keys) {
        std::vector<int> out;
        for (const Key &k : keys)
            out.push_back(k.command);
        return out;
    }
};

TEST_F(Accelerators, withAPlayerEveryKeyOpensItsDialog) {
    open();
    loadPlayer(2, 1);
    const std::vector<Key> keys = {{Qt::Key_N, 301},   {Qt::Key_H, 302},   {Qt::Key_I, 40017},
                                   {Qt::Key_A, 2101},  {Qt::Key_S, 502},   {Qt::Key_T, 40013},
                                   {Qt::Key_O, 40014}, {Qt::Key_E, 40007}, {Qt::Key_D, 40008},
                                   {Qt::Key_G, 40010}, {Qt::Key_Escape, 0}};
    EXPECT_EQ(press(keys), expected(keys));
}

TEST_F(Accelerators, withoutAPlayerOnlyThePlayerKeysWorkEvenAfterClosingOne) {
    open();
    const std::vector<Key> keys = {{Qt::Key_N, 301}, {Qt::Key_H, 302}, {Qt::Key_I, 40017}, {Qt::Key_A, 0},
                                   {Qt::Key_T, 0},   {Qt::Key_S, 0},   {Qt::Key_O, 0},     {Qt::Key_E, 0},
                                   {Qt::Key_D, 0},   {Qt::Key_G, 0}};
    EXPECT_EQ(press(keys), expected(keys));
    // The closed player's counts stay in memory; its records stay closed.
    loadPlayer(2, 3);
    window->dispatch(305);
    EXPECT_EQ(window->state().dayCount(), 2);
    EXPECT_EQ(press(keys), expected(keys));
}

TEST_F(Shell, helpOpensZelHlpOrSaysItCannot) {
    open();
    window->dispatch(40002);
    ASSERT_EQ(platform.helps.size(), 1u);
    EXPECT_EQ(platform.helps[0].path, path("zel.hlp"));
    EXPECT_TRUE(platform.messages.empty());
    platform.helpAvailable = false;
    window->dispatch(40002);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Impossible d'activer l'aide");
    EXPECT_EQ(platform.messages[0].caption, "Zel Manager");
    EXPECT_EQ(platform.messages[0].icon, Icon::Stop);
}

TEST_F(Shell, aboutBoxOpensTheSiteOnSiteWebAndOnEscapeAndClosesOnOk) {
    open();
    bool still_open = false;
    platform.onDialog([&](QDialog &d) {
        auto &f = FakePlatform::form(d);
        EXPECT_EQ(d.windowTitle(), "Au sujet de ...");
        EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
        f.click(2);
        QTest::keyClick(&d, Qt::Key_Escape);
        still_open = d.isVisible();
        f.click(1);
    });
    window->dispatch(201);
    EXPECT_TRUE(still_open);
    EXPECT_EQ(platform.urls, (std::vector<std::string>{kMakerSite, kMakerSite}));
    EXPECT_TRUE(platform.leftOpen.empty());
}

TEST_F(Shell, quitClosesTheWindow) {
    open();
    window->show();
    bool closed = false;
    QObject::connect(window.get(), &MainWindow::closed, [&] { closed = true; });
    window->dispatch(101);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(window->isVisible());
}

// Settings read at start-up.
TEST_F(Shell, automaticLoadingFollowsTheSettingsExactly) {
    addPlayer(Dupont(0, 3));
    struct Case {
        const char *ini;
        bool loaded;
        bool message;
    };
    const Case cases[] = {
        {"", false, false},
        {"[Options]\nAutoLoad=true\nAFileName=Dupont.usr\n", false, false},
        {"[Options]\nAutoLoad=TRUE\n", false, false},
        {"[Options]\nAutoLoad=TRUE\nAFileName=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\n", false, true},
        {"[Options]\nAutoLoad=TRUE\nAFileName=dupont.usr\n", false, true},
        {"[options]\nautoload=TRUE\nafilename=Dupont.usr\n", true, false},
        {"[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=true\n", true, false},
    };
    for (const Case &c : cases) {
        writeIni(c.ini);
        platform.messages.clear();
        open();
        EXPECT_EQ(window->state().Player_State, c.loaded ? 1 : 0) << c.ini;
        EXPECT_EQ(window->fullMenu(), c.loaded) << c.ini;
        ASSERT_EQ(platform.messages.size(), c.message ? 1u : 0u) << c.ini;
        if (c.message) {
            EXPECT_EQ(platform.messages[0].text,
                      "Autochargement impossible, vérifier les paramêtres dans Option\\Utilisateur.");
            EXPECT_EQ(platform.messages[0].caption, "Zel Manager");
            EXPECT_EQ(platform.messages[0].icon, Icon::Exclamation);
        }
        if (c.loaded) {
            EXPECT_EQ(window->windowTitle(), "Zel Manager. Joueur : Dupont Jean");
            EXPECT_EQ(window->state().tournamentCount(), 3);
            EXPECT_EQ(window->state().Mem_Tournois.size(), 3u);
            EXPECT_FALSE(item(502)); // step L: 0 days, 3 tournaments
            EXPECT_TRUE(item(40007));
            EXPECT_FALSE(button(19003));
            EXPECT_TRUE(button(19006));
            EXPECT_FALSE(window->state().Classement_List.empty());
        }
    }
    EXPECT_TRUE(platform.dialogs.empty()); // no password asked
}

TEST_F(Shell, autoGridAndPlayersDirectoryComeFromTheSettings) {
    writeIni("[Zel]\r\nUserDrive=C:\r\nUserPath=\\joueurs\\\r\n[Options]\r\nAutoGrid=TRUE\r\n");
    open();
    EXPECT_EQ(window->state().User_Dir, start() + "/joueurs/");
    EXPECT_TRUE(QDir(QString::fromStdString(start() + "/joueurs")).exists());
    EXPECT_TRUE(window->state().Opt_AutoGrid);
    EXPECT_TRUE(window->state().Grid_Shown);
    EXPECT_FALSE(window->state().Opt_AutoLoad);
}

TEST_F(Shell, theStartUpPasswordIsAskedUntilRightOrCancelled) {
    addPlayer(Dupont(1, 0, "secret"));
    const std::string ini = "[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=TRUE\n";

    // Wrong, then right.
    writeIni(ini);
    bool stayed = false;
    platform.onDialog([&](QDialog &d) {
        auto &f = FakePlatform::form(d);
        EXPECT_EQ(d.windowTitle(), "Mot de passe ...");
        f.setText(1011, "secrex");
        f.click(1);
        QTest::keyClick(&d, Qt::Key_Escape); // does nothing
        stayed = d.isVisible();
        f.setText(1011, "secret");
        f.click(1);
    });
    open();
    EXPECT_TRUE(stayed);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Mot de passe incorrect");
    EXPECT_EQ(platform.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(window->state().Player_State, 1);
    EXPECT_TRUE(window->state().Opt_AskPassword);
    EXPECT_EQ(window->windowTitle(), "Zel Manager. Joueur : Dupont Jean");

    // Cancelled: no player, nothing of it in memory, and the option off.
    platform.messages.clear();
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(303); });
    open();
    EXPECT_EQ(window->state().Player_State, 0);
    EXPECT_EQ(FieldText(window->state().Current_Profile.name), "");
    EXPECT_EQ(window->state().dayCount(), 0);
    EXPECT_FALSE(window->state().Opt_AskPassword);
    EXPECT_FALSE(window->fullMenu());
    EXPECT_TRUE(platform.messages.empty());

    // An empty stored password is accepted with an empty field.
    QFile::remove(QString::fromStdString(path("users/Dupont.usr")));
    QFile::remove(QString::fromStdString(path("users/User.bib")));
    addPlayer(Dupont(1, 0, ""));
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1); });
    open();
    EXPECT_EQ(window->state().Player_State, 1);
}

TEST_F(Shell, aPlayerWhoseFileCannotBeReadIsNotLoaded) {
    addPlayer(Dupont(0, 0));
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\n");
    open(); // reads the library once: the record is known
    ASSERT_EQ(window->state().Player_State, 1);
    std::ofstream(path("users/Dupont.usr"), std::ios::binary | std::ios::trunc) << "usr\x05garbage";
    platform.messages.clear();
    open();
    EXPECT_EQ(window->state().Player_State, 0);
    EXPECT_FALSE(window->fullMenu());
    EXPECT_FALSE(platform.messages.empty());
    EXPECT_EQ(FieldText(window->state().Current_Profile.name), "");
}

// OPTIONS
class Options : public Shell {
  protected:
    std::string runOptions(std::function<void(TemplateDialog &)> script) {
        platform.onDialog([script](QDialog &d) { script(FakePlatform::form(d)); });
        window->dispatch(40022);
        std::ifstream in(path("Zel.ini"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
};

TEST_F(Options, okWritesTheFourKeysAndKeepsEverythingElse) {
    writeIni("; mes réglages\r\n[Zel]\r\nUserPath=.\\users\\\r\n[Options]\r\nAutoGrid=FALSE\r\nPerso=1\r\n");
    open();
    loadPlayer(1, 0);
    const std::string text = runOptions([](TemplateDialog &d) {
        EXPECT_EQ(d.windowTitle(), "Options");
        EXPECT_FALSE(d.enabled(1154));
        d.click(1151);
        EXPECT_TRUE(d.enabled(1154));
        d.click(1154);
        d.click(1155);
        d.click(1);
    });
    EXPECT_EQ(text,
              "; mes réglages\r\n[Zel]\r\nUserPath=.\\users\\\r\n[Options]\r\nAutoGrid=TRUE\r\nPerso=1\r\n"
              "AutoLoad=TRUE\r\nAPassword=TRUE\r\nAFileName=Dupont.usr\r\n");
    EXPECT_TRUE(window->state().Opt_AutoLoad);
    EXPECT_TRUE(window->state().Opt_AskPassword);
    EXPECT_TRUE(window->state().Opt_AutoGrid);
    EXPECT_FALSE(window->state().Grid_Shown); // only the graphs dialog changes the grid shown
}

TEST_F(Options, uncheckingAutoLoadWritesTheXNameAndKeepsThePasswordBox) {
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Nobody.usr\nAPassword=TRUE\n");
    open(); // the automatic load fails, the flags stay as read
    const std::string text = runOptions([](TemplateDialog &d) {
        EXPECT_TRUE(d.checked(1151));
        EXPECT_TRUE(d.checked(1154));
        d.click(1151); // off: 1154 disabled, still checked
        EXPECT_FALSE(d.enabled(1154));
        EXPECT_TRUE(d.checked(1154));
        d.click(1151); // on again: 1154 as it was
        EXPECT_TRUE(d.checked(1154));
        d.click(1151);
        QTest::keyClick(&d, Qt::Key_Escape); // stays open
        EXPECT_TRUE(d.isVisible());
        d.click(1);
    });
    EXPECT_EQ(text,
              "[Options]\nAutoLoad=FALSE\nAFileName=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\nAPassword=TRUE\n"
              "AutoGrid=FALSE\n");
}

TEST_F(Options, cancelPutsTheFlagsBackAndWritesNothing) {
    writeIni("[Options]\nAutoGrid=TRUE\n");
    open();
    const std::string text = runOptions([](TemplateDialog &d) {
        d.click(1155);
        d.click(1151);
        d.click(303);
    });
    EXPECT_EQ(text, "[Options]\nAutoGrid=TRUE\n");
    EXPECT_TRUE(window->state().Opt_AutoGrid);
    EXPECT_FALSE(window->state().Opt_AutoLoad);
}

TEST_F(Options, aCancelledStartUpPasswordShowsTheOptionOff) {
    addPlayer(Dupont(0, 0, "pw"));
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=TRUE\n");
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(303); });
    open();
    const std::string text = runOptions([](TemplateDialog &d) {
        EXPECT_TRUE(d.checked(1151));
        EXPECT_FALSE(d.checked(1154));
        d.click(1);
    });
    EXPECT_NE(text.find("APassword=FALSE"), std::string::npos);
}

TEST(SingleInstance, aSecondCopyExitsWithOneAndTheNextStartsAgain) {
    QTemporaryDir runtime, start;
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    const auto launch = [&](QProcess &p) {
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(start.path());
        p.start(ZEL_PROGRAM, {});
        ASSERT_TRUE(p.waitForStarted());
    };
    QProcess first;
    launch(first);
    // The first copy holds the lock once its window exists.
    for (int i = 0; i < 100 && !QDir(start.path()).exists("users"); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(QDir(start.path()).exists("users"));

    QProcess second;
    launch(second);
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());

    first.kill();
    first.waitForFinished();
    QProcess third; // the lock of a killed copy is taken over
    launch(third);
    EXPECT_FALSE(third.waitForFinished(1000));
    third.kill();
    third.waitForFinished();
}

} // namespace
} // namespace zel
