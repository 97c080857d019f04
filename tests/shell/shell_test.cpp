// The main window driven as the user drives it: menus, toolbar, accelerators,
// start-up settings, automatic loading, options, about box and help.
#include "platform/qt_platform.h"
#include "players/player_library.h"
#include "resources/templates/shell_templates.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"
#include "storage_test_support.h"
#include "support/fake_platform.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTextBrowser>
#include <QToolBar>

#include <algorithm>

namespace zel {
namespace {

class Shell : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    FakePlatform platform;
    std::unique_ptr<MainWindow> window;
    std::map<int, Opener> fakes;
    std::vector<int> opened;

    std::string start() const { return QDir(dir.path()).absolutePath().toStdString(); }
    std::string path(const char *name) const { return start() + "/" + name; }
    void writeIni(const std::string &text) { std::ofstream(path("Zel.ini"), std::ios::binary) << text; }

    // Dupont Jean, saved with these counts and listed in users/User.bib.
    void addPlayer(int days, int tournaments, const char *password = "") {
        Player_Profile p = test::MakeProfile("Dupont", "Jean", "Dupont.usr");
        SetFieldText(p.password, password);
        p.day_count = days;
        p.tournament_count = tournaments;
        QDir(dir.path()).mkpath("users");
        SilentReporter quiet;
        ASSERT_TRUE(SavePlayerFile(path("users/Dupont.usr"), p, std::vector<Day_Sheet>(std::size_t(days)),
                                   std::vector<Tournament_Sheet>(std::size_t(tournaments)), quiet));
        std::ofstream(path("users/User.bib"), std::ios::binary)
            << "Dupont.usr" + std::string(kLibraryRecordBytes - 10, '\0');
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

    // A command whose dialog leaves a player (Dupont if none was loaded) with these counts and ends with
    // `result`.
    void fakeDialog(int command, int days, int tournaments, int result) {
        fakes[command] = [=](CommandContext &c) {
            if (c.state.Player_State == 0) {
                c.state.Current_Profile = test::MakeProfile("Dupont", "Jean", "Dupont.usr");
                c.state.Player_State = 1;
            }
            c.state.Current_Profile.day_count = days;
            c.state.Current_Profile.tournament_count = tournaments;
            if (command == 304 && result == 1) // deleted
                c.state.Player_State = 0;
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

    // Each menu's title and item ids, then the toolbar's ids; separators as "-".
    std::string bars() const {
        std::string out;
        const auto add = [&](QAction *a) {
            out += (a->isSeparator() ? "-" : std::to_string(a->data().toInt())) + " ";
        };
        for (QAction *popup : window->menuBar()->actions()) {
            out += popup->text().toStdString() + " ";
            std::ranges::for_each(popup->menu()->actions(), add);
        }
        std::ranges::for_each(window->toolbar()->actions(), add);
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

TEST_F(Shell, startsWithTheSimpleFaceInAFixedFrameAndShowsTheFullOneWithAPlayer) {
    MainWindow &w = open();
    EXPECT_EQ(bars(), "&Joueur 301 302 40017 - 101 &Aide 40002 201 19000 19001 ");
    EXPECT_EQ(w.state().User_Dir, start() + "/users/");
    loadPlayer(0, 3);
    EXPECT_EQ(w.windowTitle(), "Zel Manager. Joueur : Dupont Jean");
    EXPECT_EQ(bars(),
              "&Joueur 301 302 40005 304 305 - 101 &Saison 2101 502 2102 - 40013 40014 40015 Statisti&ques "
              "40007 40008 - 40010 - 40030 &Option 40022 &Aide 40002 201 19000 19001 - - 19002 19003 19004 - "
              "19005 19006 ");
}

TEST_F(Shell, stepsAfterEachDialog) {
    open();
    const char *all = "502 2102 40007 40030 40008 40010 40014 40015 19003 19004 19006 ";
    const char *no_days = "502 2102 40008 40010 19003 19004 ", *no_tournaments = "40014 40015 19006 ";
    struct Step {
        int command, sent, days, tournaments, result; // the dialog leaves these counts and ends with `result`
        const char *grey;
    };
    const Step steps[] = {
        {301, 19000, 0, 0, 300, all},                         // a new player: nothing to show yet
        {40013, 40024, 0, 1, 1, no_days},                     // his first tournament
        {2101, 40019, 1, 1, 302, ""},                         // a day beside it
        {2102, 2102, 0, 1, 1, no_days},                       // the last day deleted: the recap item stays
        {40015, 40015, 0, 0, 0, all},                         // the last tournament deleted
        {302, 302, 0, 0, 1, all},                             // a cancelled load changes nothing
        {302, 19001, 2, 0, 302, no_tournaments},              // a player with days, no tournament
        {2101, 2101, 3, 0, 302, no_tournaments},              // one more day
        {304, 304, 3, 0, 0, ""},                              // a cancelled deletion: a fresh full face
        {40005, 40005, 0, 0, 302, ""},                        // so is a modified profile
        {305, 305, 0, 0, 0, all},                             // "Fermer"
        {302, 302, 0, 3, 302, "502 2102 40008 40010 19003 "}, // tournaments only: the recap button stays
        {304, 304, 0, 3, 1, all},                             // deleted
    };
    for (const Step &st : steps) {
        fakeDialog(st.command, st.days, st.tournaments, st.result);
        window->dispatch(st.sent);
        EXPECT_EQ(grey(), st.grey) << st.command;
        EXPECT_EQ(window->fullMenu(), window->state().Player_State != 0) << st.command;
    }
    EXPECT_EQ(window->windowTitle(), "Zel Manager");
    // The deleted player's counts stay in memory; the accelerators' ids still open none of his records.
    const std::vector<int> before = opened;
    for (int id : {2101, 502, 40013, 40014, 40007})
        window->dispatch(id);
    EXPECT_EQ(opened, before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the replaced toolbars go
    EXPECT_EQ(window->findChildren<QToolBar *>().size(), 1);
}

// The desktop itself: a help window showing the file, and the browser the desktop chooses.
TEST(DesktopServices, helpShowsTheFileInItsOwnWindowAndTheSiteGoesToTheBrowser) {
    QTemporaryDir dir;
    std::ofstream(dir.filePath("zel.hlp").toStdString()) << "<title>Aide</title><p>Bienvenue dans l'aide</p>";
    QWidget owner;
    QtPlatform desktop;
    desktop.setOwner(&owner);
    EXPECT_FALSE(desktop.openHelp(dir.filePath("absent.hlp").toStdString(), 0));
    ASSERT_TRUE(desktop.openHelp(dir.filePath("zel.hlp").toStdString(), 0));
    auto *help = owner.findChild<QTextBrowser *>();
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->toPlainText(), "Bienvenue dans l'aide");
    QTextBrowser browser; // stands in for the browser the desktop would start
    QDesktopServices::setUrlHandler("https", &browser, "setSource");
    desktop.openUrl("https://zel.example/accueil");
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(browser.source(), QUrl("https://zel.example/accueil"));
}

// Help opens zel.hlp or says it cannot. The about box shows the home page the build configured
// (ZEL_HOMEPAGE), by default the README page beside the program, which the build makes too: it
// exists, and is shown whole with the contact; "Site Web" opens that page.
TEST_F(Shell, helpOpensZelHlpOrSaysItCannotAndTheAboutBoxShowsTheHomePageAndOpensItOnSiteWeb) {
    const std::string home = HomePage(QFileInfo(ZEL_PROGRAM).absolutePath().toStdString());
    if (ZEL_CONFIGURED_HOMEPAGE_DEFAULT)
        EXPECT_TRUE(QFileInfo(QUrl(QString::fromStdString(home)).toLocalFile()).isFile()) << home;
    else
        EXPECT_EQ(home, ZEL_CONFIGURED_HOMEPAGE);
    AboutBox about("", home, platform, nullptr);
    QLabel *label = about.controlAs<QLabel>(kAboutAddressId);
    const QString contact = QStringLiteral(ZEL_CONFIGURED_CONTACT);
    EXPECT_EQ(label->text(), QString::fromStdString(home) + (contact.isEmpty() ? "" : "\n" + contact));
    open();
    window->dispatch(40002);
    ASSERT_EQ(platform.helps.size(), 1u);
    EXPECT_EQ(platform.helps[0].path, path("zel.hlp"));
    platform.helpAvailable = false;
    window->dispatch(40002);
    EXPECT_EQ(platform.messages, (Messages{{"Impossible d'activer l'aide", "Zel Manager", Icon::Stop}}));
    platform.onDialog([&](QDialog &d) {
        auto &f = FakePlatform::form(d);
        f.click(2);
        f.click(1);
    });
    window->dispatch(201);
    EXPECT_EQ(platform.urls,
              (std::vector<std::string>{HomePage(QCoreApplication::applicationDirPath().toStdString())}));
}

// Settings read at start-up.
TEST_F(Shell, automaticLoadingFollowsTheSettingsExactlyAndAsksThePasswordUntilRightOrCancelled) {
    addPlayer(0, 3);
    const Messages refused = {{"Autochargement impossible, vérifier les paramêtres dans Option\\Utilisateur.",
                               "Zel Manager", Icon::Exclamation}};
    for (const auto &[ini, loaded, message] : {
             // Zel.ini; the player loaded; the refusal said
             std::tuple{"", false, false},
             {"[Options]\nAutoLoad=TRUE\nAFileName=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\n", false, true},
             {"[options]\nautoload=TRUE\nafilename=Dupont.usr\n", true, false},
             {"[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=true\n", true, false}, // not asked
         }) {
        writeIni(ini);
        platform.messages.clear();
        open();
        EXPECT_EQ(platform.messages, message ? refused : Messages{}) << ini;
        EXPECT_EQ(window->windowTitle(), loaded ? "Zel Manager. Joueur : Dupont Jean" : "Zel Manager") << ini;
        if (loaded) {
            EXPECT_EQ(window->state().Mem_Tournois.size(), 3u);
            EXPECT_EQ(grey(), "502 2102 40008 40010 19003 "); // step L
        }
    }

    // The password, when asked, is asked until right or cancelled.
    addPlayer(1, 0, "secret");
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=TRUE\n");
    const auto answer = [](std::vector<QString> passwords) {
        return [passwords](QDialog &d) {
            EXPECT_EQ(d.windowTitle(), "Mot de passe ...");
            for (const QString &p : passwords) {
                QTest::keyClick(&d, Qt::Key_Escape); // does nothing
                FakePlatform::form(d).setText(1011, p);
                FakePlatform::form(d).click(p.isEmpty() ? 303 : 1);
            }
        };
    };
    platform.onDialog(answer({"secrex", "secret"}));
    open();
    EXPECT_EQ(platform.messages, (Messages{{"Mot de passe incorrect", "Zel Manager", Icon::Exclamation}}));
    EXPECT_TRUE(window->state().Player_State == 1 && window->state().Opt_AskPassword);

    // The file goes after the library was read: refused, and nothing of the player stays.
    platform.messages.clear();
    platform.onDialog([&](QDialog &d) {
        QFile::remove(QString::fromStdString(path("users/Dupont.usr")));
        answer({"secret"})(d);
    });
    open();
    EXPECT_EQ(platform.messages,
              (Messages{{path("users/Dupont.usr"), "Probleme d'ouverture du fichier", Icon::None}}));
    EXPECT_TRUE(window->state().Player_State == 0 && FieldText(window->state().Current_Profile.name).empty());

    // Cancelled: no player, and the option off, as the options dialog shows. An empty
    // stored password is accepted with an empty field.
    addPlayer(1, 0);
    platform.messages.clear();
    platform.onDialog(answer({""}));
    open();
    EXPECT_TRUE(window->state().Player_State == 0 && window->state().dayCount() == 0 &&
                platform.messages.empty());
    const std::string text = runOptions([](TemplateDialog &d) { d.click(1); });
    EXPECT_TRUE(text.find("AutoLoad=TRUE\n") != text.npos && text.find("APassword=FALSE\n") != text.npos)
        << text;
    writeIni("[Options]\nAutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=TRUE\n");
    platform.onDialog([](QDialog &d) { FakePlatform::form(d).click(1); });
    open();
    EXPECT_EQ(window->state().Player_State, 1);
}

TEST_F(Shell, optionsOkWritesTheFourKeysKeepingEveryOtherLineAnnulerChangesNothingAndAnOversizedFileStays) {
    const std::string head =
        "; mes réglages\n[Zel]\nUserDrive=C:\nUserPath=\\joueurs\\\n[Options]\nPerso=1\n";
    const std::string ini = head + "AutoLoad=TRUE\nAFileName=Nobody.usr\nAPassword=TRUE\nAutoGrid=TRUE\n";
    writeIni(ini);
    open(); // the automatic load fails, the flags stay as read
    EXPECT_EQ(window->state().User_Dir, start() + "/joueurs/");
    EXPECT_TRUE(QDir(QString::fromStdString(start() + "/joueurs")).exists() && window->state().Grid_Shown);
    EXPECT_EQ(runOptions([](TemplateDialog &d) {
                  d.click(1155);
                  d.click(1151);
                  d.click(303);
              }),
              ini);
    EXPECT_TRUE(window->state().Opt_AutoGrid && window->state().Opt_AutoLoad);
    EXPECT_EQ(runOptions([](TemplateDialog &d) {
                  d.click(1151); // off: 1154 disabled, still checked (APassword=TRUE below)
                  EXPECT_FALSE(d.enabled(1154));
                  d.click(1151); // on again: 1154 as it was
                  d.click(1151);
                  d.click(1155);
                  QTest::keyClick(&d, Qt::Key_Escape); // stays open
                  d.click(1);
              }),
              head + "AutoLoad=FALSE\nAFileName=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\nAPassword="
                     "TRUE\nAutoGrid=FALSE\n");
    EXPECT_TRUE(window->state().Grid_Shown); // only the graphs dialog changes the grid shown
    loadPlayer(1, 0);
    EXPECT_EQ(runOptions([](TemplateDialog &d) {
                  EXPECT_FALSE(d.enabled(1154));
                  d.click(1151);
                  d.click(1154);
                  d.click(1155);
                  d.click(1);
              }),
              head + "AutoLoad=TRUE\nAFileName=Dupont.usr\nAPassword=TRUE\nAutoGrid=TRUE\n");
    EXPECT_TRUE(window->state().Opt_AutoLoad && window->state().Opt_AskPassword &&
                window->state().Opt_AutoGrid);

    // Past the megabyte read at start-up: rewriting what was read would lose the rest.
    const std::string big =
        "[Options]\nAutoGrid=TRUE\n" + std::string(1 << 20, ';') + "\n[Zel]\nUserPath=.\\p\\\n";
    writeIni(big);
    platform.messages.clear();
    open();
    EXPECT_EQ(runOptions([](TemplateDialog &d) {
                  d.click(1155);
                  d.click(1);
                  EXPECT_TRUE(d.isVisible());
                  d.click(303);
              }),
              big);
    EXPECT_EQ(platform.messages,
              (Messages{{"Le fichier des paramètres Zel.ini est trop volumineux : les options "
                         "ne sont pas enregistrées et il reste tel quel.",
                         "Zel Manager", Icon::Exclamation}}));
}

TEST(SingleInstance, aSecondCopyExitsWithOneAndTheNextStartsAgain) {
    QTemporaryDir runtime, start; // both made for the owner alone, as a runtime directory must be
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
    EXPECT_TRUE(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 1 &&
                second.readAllStandardOutput().isEmpty());

    first.kill();
    first.waitForFinished();
    QProcess third; // the lock of a killed copy is taken over
    launch(third);
    EXPECT_FALSE(third.waitForFinished(1000));
    third.kill();
    third.waitForFinished();
}

// A load asked for from the toolbar or the menu replaces both bars while Qt is still inside the
// click; the old ones must outlive it (valgrind runs this test too: Qt's own code is not
// instrumented by the sanitizers).
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
    EXPECT_EQ(window->findChildren<QToolBar *>().size(), 1);
}

} // namespace
} // namespace zel
