// The main window driven as the user drives it: menus, toolbar, accelerators,
// start-up settings, automatic loading, options, about box and help.
#include "platform/ini_file.h"
#include "players/player_library.h"
#include "resources/templates/shell_templates.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "storage/player_file.h"
#include "support/fake_platform.h"
#include "text/fixed_text.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>

namespace zel {
namespace {

Player_Profile Dupont(int days, int tournaments, const char *password = "") {
    Player_Profile p{};
    SetFieldText(p.name, "Dupont");
    SetFieldText(p.first_name, "Jean");
    SetFieldText(p.file_name, "Dupont.usr");
    SetFieldText(p.password, password);
    SetFieldText(p.classement, "40"); // a valid profile: the loader checks these
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

    // The program's dialogs, each recorded in `opened` when it opens, and replaced by its fake when
    // the test set one.
    MainWindow &open() {
        Openers openers = ProgramDialogs();
        for (auto &[id, real] : openers)
            real = [this, id, real](CommandContext &c) {
                opened.push_back(id);
                const auto fake = fakes.find(id);
                return fake != fakes.end() ? fake->second(c) : real(c);
            };
        window = std::make_unique<MainWindow>(platform, start(), openers);
        window->startUp();
        return *window;
    }
    std::map<int, Opener> fakes;
    std::vector<int> opened;

    // A command whose dialog leaves a player (Dupont if none was loaded) with these counts and ends with
    // `result`.
    void fakeDialog(int command, int days, int tournaments, int result) {
        fakes[command] = [=](CommandContext &c) {
            if (c.state.Player_State == 0) {
                c.state.Current_Profile = Dupont(0, 0);
                c.state.Player_State = 1;
            }
            c.state.Current_Profile.day_count = days;
            c.state.Current_Profile.tournament_count = tournaments;
            return result;
        };
    }

    void loadPlayer(int days, int tournaments) {
        fakeDialog(302, days, tournaments, 302);
        window->dispatch(302);
    }

    // The greyed items and buttons (a missing one counts as grey) among those that follow the counts.
    std::string grey() const {
        std::string out;
        for (int id : {502, 2102, 40007, 40030, 40008, 40010, 40014, 40015, 19003, 19004, 19006}) {
            QAction *a = id >= 19000 && id < 20000 ? window->toolbarAction(id) : window->menuAction(id);
            if (!a || !a->isEnabled())
                out += std::to_string(id) + " ";
        }
        return out;
    }

    // Every menu as "Popup: text=id ...", separators as "-", then the toolbar's ids, separators as 0.
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
        out.push_back("Toolbar:");
        for (QAction *a : window->toolbar()->actions())
            out.back() += " " + std::to_string(a->isSeparator() ? 0 : a->data().toInt());
        return out;
    }

    // The options dialog run by `script`; returns Zel.ini as it is afterwards.
    std::string runOptions(std::function<void(TemplateDialog &)> script) {
        platform.onDialog([script](QDialog &d) { script(FakePlatform::form(d)); });
        window->dispatch(40022);
        std::ifstream in(path("Zel.ini"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
};

TEST_F(Shell, startsWithTheSimpleFaceAndCreatesThePlayersDirectory) {
    MainWindow &w = open();
    EXPECT_EQ(w.windowTitle(), "Zel Manager");
    EXPECT_FALSE(w.fullMenu());
    EXPECT_EQ(menus(),
              (std::vector<std::string>{
                  "&Joueur: &Nouveau\tCtrl+N=301 C&harger\tCtrl+H=302 &Importer\tCtrl+I=40017 - &Quitter=101",
                  "&Aide: &Rubriques=40002 &Au sujet de Zel Manager ...=201", "Toolbar: 19000 19001"}));
    EXPECT_EQ(w.toolbarAction(19001)->toolTip(), "Chargement d'un joueur");
    EXPECT_EQ(w.state().User_Dir, start() + "/users/");
    EXPECT_TRUE(QDir(QString::fromStdString(w.state().User_Dir)).exists());
    EXPECT_EQ(w.width(), 320);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
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
            "Statisti&ques: &Récapitulatif\tCtrl+E=40007 &Détails\tCtrl+D=40008 - "
            "Graphes ...\tCtrl+G=40010 - &Historique...=40030",
            "&Option: Utilisateur=40022", "&Aide: &Rubriques=40002 &Au sujet de Zel Manager ...=201",
            "Toolbar: 19000 19001 0 0 19002 19003 19004 0 19005 19006"}));
    // 0 days, 3 tournaments: the recap and its button stay, the day items go.
    EXPECT_EQ(grey(), "502 2102 40008 40010 19003 ");
}

TEST_F(Shell, everyMenuTitleShowsWithALargeDesktopFont) {
    const QFont desktop = QApplication::font();
    QApplication::setFont(QFont(desktop.family(), 14));
    open();
    loadPlayer(1, 1);
    window->show();
    QMenuBar *bar = window->menuBar();
    for (QAction *title : bar->actions())
        EXPECT_TRUE(bar->rect().contains(bar->actionGeometry(title))) << title->text().toStdString();
    QApplication::setFont(desktop);
}

TEST_F(Shell, stepsAfterEachDialog) {
    open();
    const char *all = "502 2102 40007 40030 40008 40010 40014 40015 19003 19004 19006 ";
    struct Step {
        int command, sent, days, tournaments, result; // the dialog leaves these counts and ends with `result`
        const char *grey;
    };
    const Step steps[] = {
        {301, 19000, 0, 0, 300, all}, // a new player: nothing to show yet
        {2101, 40019, 1, 0, 302, "40014 40015 19006 "},
        {40013, 40024, 1, 1, 1, ""},
        {2102, 2102, 0, 1, 1, "502 2102 40008 40010 19003 19004 "}, // the recap item stays, its button goes
        {40015, 40015, 0, 0, 0, all},
        {302, 302, 0, 0, 1, all},      // a cancelled load changes nothing
        {40005, 40005, 0, 0, 302, ""}, // a modified profile: a fresh full face
    };
    for (const Step &st : steps) {
        fakeDialog(st.command, st.days, st.tournaments, st.result);
        window->dispatch(st.sent);
        EXPECT_EQ(grey(), st.grey) << st.command;
    }
    window->dispatch(305); // "Fermer"
    EXPECT_FALSE(window->fullMenu());
    EXPECT_EQ(window->windowTitle(), "Zel Manager");
    EXPECT_EQ(window->state().Player_State, 0);
}

// The dialogs themselves are not under test: each command only records that it opened.
TEST_F(Shell, acceleratorsNeedALoadedPlayerForItsRecordsEvenAfterClosingOne) {
    open();
    struct Key {
        Qt::Key key;
        int with_player, without; // the menu id of the dialog opened, 0 for none
    };
    const Key keys[] = {{Qt::Key_N, 301, 301}, {Qt::Key_H, 302, 302}, {Qt::Key_I, 40017, 40017},
                        {Qt::Key_A, 2101, 0},  {Qt::Key_S, 502, 0},   {Qt::Key_T, 40013, 0},
                        {Qt::Key_O, 40014, 0}, {Qt::Key_E, 40007, 0}, {Qt::Key_D, 40008, 0},
                        {Qt::Key_G, 40010, 0}, {Qt::Key_Escape, 0, 0}};
    const auto press = [&](bool with_player) {
        for (const CommandEntry &e : CommandTable())
            if (e.action == Action::Dialog)
                fakes[e.ids[0]] = [](CommandContext &) { return 0; };
        for (const Key &k : keys) {
            const std::size_t before = opened.size();
            QTest::keyClick(window.get(), k.key,
                            k.key == Qt::Key_Escape ? Qt::NoModifier : Qt::ControlModifier);
            const int last = opened.size() > before ? opened.back() : 0;
            EXPECT_EQ(last, with_player ? k.with_player : k.without)
                << k.key << " with player " << with_player;
        }
    };
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    press(false);
    loadPlayer(2, 3);
    press(true);
    // The closed player's counts stay in memory; its records stay closed.
    window->dispatch(305);
    EXPECT_EQ(window->state().dayCount(), 2);
    press(false);
}

TEST_F(Shell, helpOpensZelHlpOrSaysItCannot) {
    open();
    window->dispatch(40002);
    ASSERT_EQ(platform.helps.size(), 1u);
    EXPECT_EQ(platform.helps[0].path, path("zel.hlp"));
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
        f.click(2);
        QTest::keyClick(&d, Qt::Key_Escape);
        still_open = d.isVisible();
        f.click(1);
    });
    window->dispatch(201);
    EXPECT_TRUE(still_open);
    const std::string home = HomePage(QCoreApplication::applicationDirPath().toStdString());
    EXPECT_EQ(platform.urls, (std::vector<std::string>{home, home}));
}

// The home page the build configured (ZEL_HOMEPAGE), by default the README page
// beside the program, which the build makes too: it exists, and is shown whole.
TEST_F(Shell, aboutBoxShowsTheConfiguredHomePageWhichExists) {
    const std::string home = HomePage(QFileInfo(ZEL_PROGRAM).absolutePath().toStdString());
    if (ZEL_CONFIGURED_HOMEPAGE_DEFAULT)
        EXPECT_TRUE(QFileInfo(QUrl(QString::fromStdString(home)).toLocalFile()).isFile()) << home;
    else
        EXPECT_EQ(home, ZEL_CONFIGURED_HOMEPAGE);
    AboutBox about("", home, platform, nullptr);
    QLabel *label = about.controlAs<QLabel>(kAboutAddressId);
    const QString contact = QStringLiteral(ZEL_CONFIGURED_CONTACT);
    EXPECT_EQ(label->text(), QString::fromStdString(home) + (contact.isEmpty() ? "" : "\n" + contact));
    for (const QString &line : label->text().split('\n'))
        EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width())
            << line.toStdString();
}

// Settings read at start-up.
TEST_F(Shell, automaticLoadingFollowsTheSettingsExactly) {
    addPlayer(Dupont(0, 3));
    struct Case {
        const char *ini;
        bool loaded, message;
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
        ASSERT_EQ(platform.messages.size(), c.message ? 1u : 0u) << c.ini;
        if (c.message) {
            EXPECT_EQ(platform.messages[0].text,
                      "Autochargement impossible, vérifier les paramêtres dans Option\\Utilisateur.");
            EXPECT_EQ(platform.messages[0].icon, Icon::Exclamation);
        }
        if (c.loaded) {
            EXPECT_EQ(window->windowTitle(), "Zel Manager. Joueur : Dupont Jean");
            EXPECT_EQ(window->state().Mem_Tournois.size(), 3u);
            EXPECT_EQ(grey(), "502 2102 40008 40010 19003 "); // step L
        }
    }
    EXPECT_TRUE(platform.dialogs.empty()); // no password asked
}

TEST_F(Shell, theStartUpPasswordIsAskedUntilRightOrCancelled) {
    addPlayer(Dupont(1, 0, "secret"));
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=TRUE\n");

    // Wrong, then right.
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
    EXPECT_EQ(window->state().Player_State, 1);
    EXPECT_TRUE(window->state().Opt_AskPassword);

    // Cancelled: no player, nothing of it in memory, and the option off, as the options dialog shows.
    platform.messages.clear();
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(303); });
    open();
    EXPECT_EQ(window->state().Player_State, 0);
    EXPECT_EQ(FieldText(window->state().Current_Profile.name), "");
    EXPECT_EQ(window->state().dayCount(), 0);
    EXPECT_FALSE(window->fullMenu());
    EXPECT_TRUE(platform.messages.empty());
    const std::string text = runOptions([](TemplateDialog &d) {
        EXPECT_TRUE(d.checked(1151));
        EXPECT_FALSE(d.checked(1154));
        d.click(1);
    });
    EXPECT_NE(text.find("APassword=FALSE"), std::string::npos);

    // An empty stored password is accepted with an empty field.
    QFile::remove(QString::fromStdString(path("users/Dupont.usr")));
    QFile::remove(QString::fromStdString(path("users/User.bib")));
    addPlayer(Dupont(1, 0, ""));
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=TRUE\n");
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1); });
    open();
    EXPECT_EQ(window->state().Player_State, 1);
}

TEST_F(Shell, aPlayerWhoseFileCannotBeReadIsNotLoaded) {
    addPlayer(Dupont(0, 0));
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\n");
    std::ofstream(path("users/Dupont.usr"), std::ios::binary | std::ios::trunc) << "usr\x05garbage";
    open();
    EXPECT_EQ(window->state().Player_State, 0);
    EXPECT_FALSE(platform.messages.empty());
    EXPECT_EQ(FieldText(window->state().Current_Profile.name), "");
}

TEST_F(Shell, optionsOkWritesTheFourKeysAndKeepsEverythingElse) {
    writeIni("; mes réglages\r\n[Zel]\r\nUserPath=.\\users\\\r\n[Options]\r\nAutoGrid=FALSE\r\nPerso=1\r\n");
    open();
    loadPlayer(1, 0);
    const std::string text = runOptions([](TemplateDialog &d) {
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
    EXPECT_TRUE(window->state().Opt_AutoGrid);
    EXPECT_FALSE(window->state().Grid_Shown); // only the graphs dialog changes the grid shown
}

TEST_F(Shell, optionsCancelChangesNothingAndUncheckingAutoLoadWritesTheXName) {
    const std::string ini = "[Zel]\nUserDrive=C:\nUserPath=\\joueurs\\\n[Options]\nAutoLoad=TRUE\n"
                            "AFileName=Nobody.usr\nAPassword=TRUE\nAutoGrid=TRUE\n";
    writeIni(ini);
    open(); // the automatic load fails, the flags stay as read
    EXPECT_EQ(window->state().User_Dir, start() + "/joueurs/");
    EXPECT_TRUE(QDir(QString::fromStdString(start() + "/joueurs")).exists());
    EXPECT_TRUE(window->state().Grid_Shown);
    EXPECT_EQ(runOptions([](TemplateDialog &d) {
                  d.click(1155);
                  d.click(1151);
                  d.click(303);
              }),
              ini);
    EXPECT_TRUE(window->state().Opt_AutoGrid);
    EXPECT_TRUE(window->state().Opt_AutoLoad);
    const std::string text = runOptions([](TemplateDialog &d) {
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
    EXPECT_EQ(text, "[Zel]\nUserDrive=C:\nUserPath=\\joueurs\\\n[Options]\nAutoLoad=FALSE\n"
                    "AFileName=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\nAPassword=TRUE\nAutoGrid=TRUE\n");
}

TEST_F(Shell, aSettingsFileThatCannotBeReadWholeIsNeverRewritten) {
    // Past the megabyte read at start-up: rewriting what was read would lose the rest.
    const std::string ini =
        "[Options]\nAutoGrid=TRUE\n" + std::string(1 << 20, ';') + "\n[Zel]\nUserPath=.\\p\\\n";
    writeIni(ini);
    open();
    EXPECT_EQ(runOptions([](TemplateDialog &d) {
                  d.click(1155);
                  d.click(1);
                  EXPECT_TRUE(d.isVisible());
                  d.click(303);
              }),
              ini);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Le fichier des paramètres Zel.ini est trop volumineux : les options ne "
              "sont pas enregistrées et il reste tel quel.");
    EXPECT_EQ(platform.messages[0].caption, "Zel Manager");
}

// Loading from the toolbar or the menu replaces both bars from inside the
// button's (or the menu's) own click: nothing may be freed under it, and the
// bars replaced must really go.
TEST_F(Shell, theBarsAreReplacedSafelyFromTheirOwnClicksAndTheOldOnesGo) {
    open();
    window->show();
    fakeDialog(302, 1, 1, 302);
    QToolBar *before = window->toolbar();
    QTest::mouseClick(window->toolbar()->widgetForAction(window->toolbarAction(19001)), Qt::LeftButton);
    EXPECT_NE(window->toolbar(), before);
    QAction *item = window->menuAction(302);
    auto *menu = qobject_cast<QMenu *>(item->parent());
    ASSERT_NE(menu, nullptr);
    menu->popup(window->mapToGlobal(QPoint(0, 0)));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    EXPECT_EQ(opened, (std::vector<int>{302, 302}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto menus = window->findChildren<QMenu *>().size();
    const auto actions = window->findChildren<QAction *>().size();
    for (int i = 0; i < 100; ++i)
        window->RefreshPlayerShell();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window->findChildren<QMenu *>().size(), menus);
    EXPECT_EQ(window->findChildren<QAction *>().size(), actions);
    EXPECT_EQ(window->findChildren<QToolBar *>().size(), 1);
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
