#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <memory>

class ShapedToolTip;
class QWidget;

// Gives every control of the application the shaped tooltip instead of the standard one: while
// it exists it watches the application's events, so controls made later need nothing of their
// own. Create one after the application object and let it go before.
class ToolTipFilter : public QObject {
    Q_OBJECT

public:
    ToolTipFilter();
    ~ToolTipFilter() override;

    // The window, once a tooltip has been asked for.
    ShapedToolTip* Tip() const { return tip.get(); }
    QWidget* Owner() const { return owner; }
    void Hide();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show(QWidget* control, QPoint spot);
    void ShowPending();

    std::unique_ptr<ShapedToolTip> tip;
    QPointer<QWidget> owner;
    QPointer<QWidget> pending;
    QPoint pendingSpot;
    QTimer hideTimer;
    QTimer showTimer;
};
