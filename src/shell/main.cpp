// Entry point of Zel Manager.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Zel Manager");
    window.show();
    return app.exec();
}
