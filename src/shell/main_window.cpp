// The main window: menus, accelerators, toolbar, picture, and command dispatch.
#include "shell/main_window.h"

#include "days/day_commands.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "platform/pictures.h"
#include "players/player_commands.h"
#include "shell/shell_dialogs.h"
#include "stats/stats_commands.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"
#include "tournaments/tournament_commands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include <algorithm>
#include <set>

static void InitArtwork() {
#ifdef ZEL_HAVE_ARTWORK
    Q_INIT_RESOURCE(artwork);
#endif
}

namespace zel {

Openers ProgramDialogs() {
    return {
        {201, RunAboutBox},        {301, RunNewPlayer},         {302, RunLoadPlayer},
        {40005, RunModifyProfile}, {304, RunDeletePlayer},      {40017, RunImportPlayer},
        {2101, RunAddDay},         {502, RunViewChampionships}, {2102, RunModifyDay},
        {40013, RunAddTournament}, {40014, RunViewTournaments}, {40015, RunModifyTournament},
        {40007, RunRecap},         {40008, RunDetails},         {40010, RunGraphs},
        {40022, RunOptions},       {40030, RunHistory},
    };
}

MainWindow::MainWindow(Platform &platform, const std::string &start_dir, Openers openers, QWidget *parent)
    : QMainWindow(parent), platform_(platform), openers_(std::move(openers)) {
    InitArtwork();
    state_.Start_Dir = start_dir;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/zel.png")));

    client_ = new QWidget(this);
    client_->setFixedSize(kPictureWidth, kToolbarStrip + kPictureHeight);
    setCentralWidget(client_);
    picture_ = new QLabel(client_);
    picture_->setGeometry(0, kToolbarStrip, kPictureWidth, kPictureHeight);
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A missing picture leaves the area empty.
    picture_->setPixmap(LoadPicture(QString::fromStdString(ResolveStartPath(start_dir, ".\\data\\main.bmp")),
                                    devicePixelRatioF()));
    picture_->setAccessibleName(QStringLiteral("Zel Manager"));

    // Accelerator table 117: each key sends its own id; a key already taken
    // by an earlier entry never fires.
    std::set<QString> keys;
    for (const Accelerator &a : kAccelerators) {
        const QKeySequence key(QString::fromLatin1(a.key), QKeySequence::PortableText);
        if (!keys.insert(key.toString()).second)
            continue;
        auto *shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int id = a.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { dispatch(id); });
    }

    RefreshPlayerShell();
    move(0, 0);
}

void MainWindow::startUp() {
    const IniFile ini = IniFile::Load(ResolveStartPath(state_.Start_Dir, "Zel.ini"));
    state_.User_Dir = ResolveUserDir(state_.Start_Dir, ini.get("Zel", "UserDrive", kDefaultUserDrive),
                                     ini.get("Zel", "UserPath", kDefaultUserPath));
    EnsureDirectory(state_.User_Dir);

    state_.Opt_AutoLoad = ini.get("Options", "AutoLoad", "FALSE") == "TRUE";
    if (state_.Opt_AutoLoad) {
        if (const auto file_name = ini.value("Options", "AFileName")) {
            state_.Opt_AskPassword = ini.get("Options", "APassword", "FALSE") == "TRUE";
            CommandContext context{state_, platform_, this};
            if (AutoLoadPlayer(context, *file_name, state_.Opt_AskPassword))
                runStep(Step::L);
        }
    }
    state_.Opt_AutoGrid = ini.get("Options", "AutoGrid", "FALSE") == "TRUE";
    state_.Grid_Shown = state_.Opt_AutoGrid;
}

void MainWindow::dispatch(int id) {
    const CommandEntry *entry = FindCommand(id);
    if (!entry || !GuardHolds(entry->guard, state_))
        return;
    const int command = entry->ids[0];
    int result = 0;
    switch (entry->action) {
    case Action::Quit:
        close();
        return;
    case Action::Help:
        openHelp();
        return;
    case Action::ClosePlayer:
        state_.Player_State = 0;
        break;
    case Action::Dialog: {
        const auto it = openers_.find(command);
        if (it == openers_.end() || !it->second)
            return;
        CommandContext context{state_, platform_, this};
        result = it->second(context);
        break;
    }
    }
    if (StepRuns(*entry, result))
        runStep(entry->step);
}

void MainWindow::openHelp() {
    if (!platform_.openHelp(ResolveStartPath(state_.Start_Dir, ".\\zel.hlp"), 0))
        platform_.message("Impossible d'activer l'aide", "Zel Manager", Icon::Stop);
}

void MainWindow::RefreshPlayerShell() {
    if (state_.Player_State == 0) {
        buildMenu(kSimpleMenu);
        setWindowTitle(QStringLiteral("Zel Manager"));
        buildToolbar(kSimpleToolbar, kSimpleToolbarImages);
        full_ = false;
    } else if (state_.Player_State == 1 || state_.Player_State == 2) {
        buildMenu(kFullMenu);
        const Player_Profile &p = state_.Current_Profile;
        setWindowTitle(QString::fromStdString("Zel Manager. Joueur : " + Cp1252ToUtf8(FieldText(p.name)) +
                                              " " + Cp1252ToUtf8(FieldText(p.first_name))));
        buildToolbar(kFullToolbar, kFullToolbarImages);
        full_ = true;
    }
    fitMenuTitles();
    // A fixed frame: the menu bar (on as many rows as its titles need), the
    // toolbar strip and the picture.
    const int menu_height =
        std::max(menuBar()->heightForWidth(kPictureWidth), menuBar()->sizeHint().height());
    setFixedSize(kPictureWidth, menu_height + kToolbarStrip + kPictureHeight);
}

// The frame is as wide as its picture and a menu bar has one row: a desktop
// font too large for every title to show is brought down until the last one does.
void MainWindow::fitMenuTitles() {
    QMenuBar *bar = menuBar();
    QFont font = QApplication::font(bar);
    bar->setFont(font);
    bar->resize(kPictureWidth, bar->height());
    const QList<QAction *> titles = bar->actions();
    while (!titles.isEmpty() && bar->actionGeometry(titles.back()).right() >= kPictureWidth &&
           font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        bar->setFont(font);
    }
}

// Both bars are replaced while the click that asked for it may still be under
// way in one of their buttons or menus: the old ones go once it is over.
void MainWindow::buildMenu(const std::vector<MenuEntry> &entries) {
    const QList<QAction *> old = menuBar()->actions();
    menuBar()->clear();
    for (QAction *popup : old)
        if (QMenu *m = popup->menu())
            m->deleteLater();
    menu_items_.clear();
    QMenu *menu = nullptr;
    for (const MenuEntry &e : entries) {
        switch (e.type) {
        case MenuEntry::Popup:
            menu = menuBar()->addMenu(QString::fromUtf8(e.text));
            break;
        case MenuEntry::Separator:
            if (menu)
                menu->addSeparator();
            break;
        case MenuEntry::Item: {
            if (!menu)
                break;
            // The text after the tab is shown as the shortcut; the accelerators
            // are bound once, on the window, with their own ids.
            QAction *a = menu->addAction(QString::fromUtf8(e.text));
            a->setData(e.id);
            const int id = e.id;
            connect(a, &QAction::triggered, this, [this, id] { dispatch(id); });
            menu_items_[id] = a;
            break;
        }
        }
    }
}

void MainWindow::buildToolbar(const std::vector<ToolbarSlot> &layout, const char *images) {
    if (toolbar_) {
        toolbar_->hide();
        toolbar_->deleteLater();
    }
    buttons_.clear();
    toolbar_ = new QToolBar(client_);
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(kToolbarImageWidth, kToolbarImageHeight));
    toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar_->setGeometry(0, 0, kPictureWidth, kToolbarStrip);
    for (const ToolbarSlot &slot : layout) {
        if (slot.id == 0) {
            toolbar_->addSeparator();
            continue;
        }
        const QString tip =
            QString::fromUtf8(ToolbarTipText(slot.id).data(), qsizetype(ToolbarTipText(slot.id).size()));
        QAction *a = toolbar_->addAction(StripIcon(QString::fromLatin1(images), slot.image,
                                                   QSize(kToolbarImageWidth, kToolbarImageHeight)),
                                         tip);
        a->setToolTip(tip);
        a->setData(slot.id);
        const int id = slot.id;
        connect(a, &QAction::triggered, this, [this, id] { dispatch(id); });
        buttons_[id] = a;
    }
    toolbar_->show();
}

QAction *MainWindow::menuAction(int id) const {
    const auto it = menu_items_.find(id);
    return it == menu_items_.end() ? nullptr : it->second;
}

QAction *MainWindow::toolbarAction(int id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

void MainWindow::setMenuItems(const int *ids, std::size_t count, bool enabled) {
    for (std::size_t i = 0; i < count; ++i)
        if (QAction *a = menuAction(ids[i]))
            a->setEnabled(enabled);
}

void MainWindow::setButton(int id, bool enabled) {
    if (QAction *a = toolbarAction(id))
        a->setEnabled(enabled);
}

// The steps gray and enable menu items by group; toolbar buttons follow only
// where a step names them.
void MainWindow::runStep(Step step) {
    const int days = state_.dayCount();
    const int tournaments = state_.tournamentCount();
    switch (step) {
    case Step::None:
        break;
    case Step::Refresh:
        RefreshPlayerShell();
        break;
    case Step::L:
        RefreshPlayerShell();
        setMenuItems(kRecapItems, tournaments > 0 || days > 0);
        setMenuItems(kDayItems, days > 0);
        setMenuItems(kTournamentItems, tournaments > 0);
        if (tournaments == 0)
            setButton(19006, false);
        if (days == 0)
            setButton(19003, false);
        if (days == 0 && tournaments == 0)
            setButton(19004, false);
        break;
    case Step::N:
        RefreshPlayerShell();
        setMenuItems(kRecapItems, false);
        setMenuItems(kDayItems, false);
        setMenuItems(kTournamentItems, false);
        if (days == 0) {
            setButton(19003, false);
            setButton(19004, false);
        }
        if (tournaments == 0)
            setButton(19006, false);
        break;
    case Step::D:
        RefreshPlayerShell();
        if (days > 0) {
            setMenuItems(kRecapItems, true);
            setMenuItems(kDayItems, true);
        }
        if (tournaments == 0) {
            setMenuItems(kTournamentItems, false);
            setButton(19006, false);
        }
        break;
    case Step::M:
        if (days == 0) {
            if (tournaments <= 0)
                setMenuItems(kRecapItems, false);
            setMenuItems(kDayItems, false);
            setButton(19003, false);
            setButton(19004, false);
        }
        break;
    case Step::T:
        if (tournaments >= 1) {
            setMenuItems(kRecapItems, true);
            setMenuItems(kTournamentItems, true);
            setButton(19006, true);
        }
        break;
    case Step::U:
        if (tournaments == 0) {
            setMenuItems(kTournamentItems, false);
            setButton(19006, false);
            if (days == 0)
                setMenuItems(kRecapItems, false);
        }
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    emit closed();
}

} // namespace zel
