// Entry point of Zel Manager.
#include "platform/qt_platform.h"
#include "shell/main_window.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv) {
    // A second copy leaves at once, before any window, without a word.
    zel::SingleInstanceLock lock("Zel Manager");
    if (!lock.acquire())
        return 1;

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the main window's end is the program's end
    zel::QtPlatform platform;
    zel::MainWindow window(platform, QDir::currentPath().toStdString());
    platform.setOwner(&window);
    QObject::connect(&window, &zel::MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.startUp();
    window.show();
    return app.exec();
}
