// The yardstick for the game's start-up: an empty Qt window of the main window's client size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(683, 342);
    window.move(269, 375);
    window.show();
    return app.exec();
}
