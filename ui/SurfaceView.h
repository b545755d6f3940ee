#pragma once

#include <QImage>
#include <QWidget>

class Surface;

// Shows the window's drawing surface. The game draws on the surface outside the paint cycle;
// each change is put on the screen at once through Flush, even while a busy wait keeps the
// event loop from running. Mouse events go to the handlers the owner installs.
class SurfaceView : public QWidget {
    Q_OBJECT

public:
    SurfaceView(Surface& surface, QWidget* parent);

    void Flush(const QRect& rect);

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface& surface;
    // The surface enlarged for a screen with more device pixels than design pixels.
    QImage enlarged;
};
