// The floor for any window that shows text: the empty window of BareWindow.cpp drawing one line.
// The first text costs the font set-up (fontconfig, FreeType, HarfBuzz), which the game needs too.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(10, 20, QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TextWindow window;
    window.setWindowTitle(QStringLiteral("Text window"));
    window.setFixedSize(683, 342);
    window.move(269, 375);
    window.show();
    return app.exec();
}
