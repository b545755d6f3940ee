#pragma once

#include <QWidget>

#include <cstdint>
#include <memory>

#include "game/Board.h"
#include "game/BoardHost.h"
#include "game/GameFlow.h"
#include "game/Language.h"
#include "game/PointerPlay.h"
#include "game/Statistics.h"
#include "media/Sound.h"
#include "settings/PositionKeeper.h"
#include "settings/SettingsStore.h"
#include "ui/MainDialogs.h"
#include "ui/OptionsHost.h"

class LinkLabel;
class KeyControl;
class ScoreStrip;
class ScrollBanner;
class Surface;
class WinningHint;
class SurfaceView;
class THookHelpSystem;
class ToolStrip;
class WindowExtras;

// The main window: the tool strip, the score strip, the board drawn on the window surface and
// the banner strip. It owns the board and the dialogs, and runs the start and the end of the
// program.
class TMainForm : public QWidget, public BoardHost, public OptionsHost {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 683;
    static constexpr int ClientHeight = Board::ToolStripHeight + 15 + 290;

    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    Board& GameBoard() { return *board; }
    GameFlow& Flow() { return *flow; }
    // The counters of the run, kept by the statistics dialog.
    ::Statistics& Stats();
    Language& CurrentLanguage() { return language; }
    Surface& WindowSurface() { return *surface; }
    SettingsStore& Settings() { return *store; }
    MainDialogs& Dialogs() { return *dialogs; }
    KeyControl& Keyboard() { return *keyControl; }
    WindowExtras& Extras() { return *extras; }
    bool FirstActivationDone() const { return activated; }
    Sound& Sounds() { return sounds; }

    // Seeds the random source with a chosen deal number instead of the clock.
    void SeedWith(std::uint32_t seed);

    // Event handlers of the window and its controls.
    void Paint();
    void NewGame();
    void ResetGame();
    void MixBtnClick();
    void Exit_ButtonClick();
    void info();
    void TongueBtnClick();
    void OptionsButtonClick();
    void Statistics();
    // A click on the banner: opens the maker's web site through the hidden link.
    void TorvikBtnClick();
    void HelpBtnClick();
    // Puts the board on a new background colour without losing a card.
    void ChangeBackground(std::uint32_t colorRef);

    // BoardHost
    Surface* DrawingSurface() override;
    void PlayCue(SoundCue cue) override;
    bool SlideOn() const override;
    bool ShowMovesOn() const override;
    // BoardHost and OptionsHost
    std::uint32_t BackgroundColor() const override { return backColor; }
    std::uint32_t FrameColor() const override { return frameColor; }
    void SetReshuffleEnabled(bool enabled) override;
    bool ConfirmGiveUp() override;
    void ShowWonMessage() override;
    void RefreshScore() override;

    // OptionsHost
    // The options dialog's sound box sets this; it takes effect at once.
    bool SoundOn() const override { return sounds.Enabled(); }
    void SetSoundOn(bool on) override { sounds.SetEnabled(on); }
    void SetColors(std::uint32_t background, std::uint32_t frame) override;
    void ApplyTexts() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Activate();
    void Leave();
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);

    void ReadSettings();
    void WriteSettings();
    void ReportSettingsError(const QString& message);

    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<THookHelpSystem> helpHook;
    PositionKeeper positionKeeper;
    std::unique_ptr<Surface> surface;
    SurfaceView* view = nullptr;
    std::unique_ptr<Board> board;
    // Made once the statistics dialog, which keeps the counters, exists.
    std::unique_ptr<GameFlow> flow;
    std::unique_ptr<PointerPlay> pointer;
    // Goes first when the window closes down, while the board is still there.
    std::unique_ptr<KeyControl> keyControl;

    Sound sounds;
    Language language = Language::Unset;
    std::uint32_t backColor = 0x8000;
    std::uint32_t frameColor = 0;
    bool activated = false;
    bool shownOnce = false;

    ToolStrip* Panel1 = nullptr;
    ScoreStrip* scoreStrip = nullptr;
    WinningHint* winningHint = nullptr;
    ScrollBanner* tvbScroll = nullptr;
    LinkLabel* TVBLabel = nullptr;
    // Made once the window has read its settings, destroyed first.
    std::unique_ptr<MainDialogs> dialogs;
    std::unique_ptr<WindowExtras> extras;
};
