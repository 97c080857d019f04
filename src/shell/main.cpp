// Entry point of Zel Manager.
#include "platform/qt_platform.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>

int main(int argc, char **argv) {
    // Past a file-size limit a write then fails with EFBIG, which the save reports
    // while the old file stays whole, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // A second copy leaves at once, before any window, without a word.
    zel::SingleInstanceLock lock("Zel Manager");
    if (!lock.acquire())
        return 1;

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the main window's end is the program's end
    // What Qt's own dialogs say (the file dialog's columns and places), in French too.
    QTranslator qt_texts;
    if (qt_texts.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_texts);
    zel::QtPlatform platform;
    zel::MainWindow window(platform, QDir::currentPath().toStdString());
    platform.setOwner(&window);
    QObject::connect(&window, &zel::MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.startUp();
    window.show();
    return app.exec();
}
