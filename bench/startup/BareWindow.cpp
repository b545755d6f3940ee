// The yardsticks for the game's start-up: an empty Qt window of the main window's client size,
// and (built with TVDL_DRAW_TEXT) the same window drawing one line, the floor for any window that
// shows text: the first text costs the font set-up (fontconfig, FreeType, HarfBuzz), which the
// game needs too. The empty one includes nothing of the drawing, so it stays empty.
#include <QApplication>
#include <QWidget>
#if defined(TVDL_DRAW_TEXT)
#include <QPainter>
#endif

namespace {

class Yardstick : public QWidget {
#if defined(TVDL_DRAW_TEXT)
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(10, 20, QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    }
#endif
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Yardstick window;
#if defined(TVDL_DRAW_TEXT)
    window.setWindowTitle(QStringLiteral("Text window"));
#else
    window.setWindowTitle(QStringLiteral("Bare window"));
#endif
    window.setFixedSize(683, 342);
    window.move(269, 375);
    window.show();
    return app.exec();
}
