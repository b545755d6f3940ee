#pragma once

#include <QWidget>
#include <memory>

#include "cards/TableGeometry.h"
#include "platform/Surface.h"
#include "ui/SessionServices.h"

class GameSession;
class LinkLabel;
class ScoreStrip;
class ScrollBanner;
class SurfaceView;
class ToolStrip;

// The main window: lays out the tool strip, the board's surface and the banner, and hands every
// event to its game session, which owns the game, the dialogs and the settings.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    explicit TMainForm(SessionServices services = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    GameSession& Session() { return *session; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Event handlers of the window and its controls.
    void Activate();
    void NewGame();
    void ResetGame();
    void MixBtnClick();
    void OptionsButtonClick();
    void Statistics();
    void Exit_ButtonClick();
    void TongueBtnClick();
    void HelpBtnClick();
    void info();
    // A click on the banner: opens the maker's web site through the hidden link.
    void TorvikBtnClick();
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);

    // The canvas the board is drawn on; it outlives the session that draws on it.
    Surface surface{ClientWidth, ClientHeight, 0x8000};
    SurfaceView* view = nullptr;
    ToolStrip* Panel1 = nullptr;
    ScoreStrip* scoreStrip = nullptr;
    ScrollBanner* tvbScroll = nullptr;
    LinkLabel* TVBLabel = nullptr;
    std::unique_ptr<GameSession> session;
    bool shownOnce = false;
};
