#pragma once

#include <Qt>
#include <cstdint>
#include <memory>

#include "base/MoveSwitches.h"
#include "cards/RandomSource.h"
#include "game/CuePlayer.h"
#include "game/PlayerQuestions.h"
#include "game/ScoreDisplay.h"
#include "game/TableDrawing.h"
#include "media/Sound.h"
#include "ui/PlayerChoices.h"
#include "ui/SessionServices.h"

class Board;
class DealRecorder;
class GameFlow;
class HelpSystem;
class KeyControl;
class MainDialogs;
class PointerPlay;
class RecordViews;
class QWidget;
class ScoreStrip;
class ScrollBanner;
class SettingsAlerts;
class SettingsStore;
class StatisticsModel;
class SwitchesModel;
class Surface;
class TablePainter;
class THookHelpSystem;
class ToolStrip;
class WindowExtras;
class WindowLifetime;
class WinningHint;
struct Statistics;

// One run of the game in the main window: the board and its play by mouse and keys, the course
// of the deals, the winning hint, the sounds, the dialogs and the player's choices. The window
// lays out the strips and hands its events here; everything the game decides happens here.
class GameSession final : public TableDrawing, public CuePlayer, public PlayerQuestions, public ScoreDisplay {
public:
    // The parts of the window the session draws on and shows its state in.
    struct WindowParts {
        QWidget& window;
        Surface& surface;
        // The widget the surface is shown in.
        QWidget& boardView;
        ToolStrip& tools;
        ScoreStrip& score;
        ScrollBanner& banner;
    };

    GameSession(const WindowParts& parts, SessionServices services);
    ~GameSession() override;
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The commands of the tool strip.
    void NewGame();
    void ResetGame();
    void Reshuffle();
    void ShowOptions();
    void ShowStatistics();
    void ShowAbout();
    void ChooseLanguage();
    void ShowHelp();

    // The window is shown for the first time: back to its stored position, the board drawn.
    void FirstShown();
    // The window is active for the first time: the language question if none is stored, the texts,
    // the about box. Later calls do nothing.
    void FirstActivation();
    // The window is asked to close: true when the player confirms, after which the about box has
    // been shown, a started deal counted as lost and the settings written. After a request to
    // end without questions, nothing is asked or shown.
    bool ConfirmQuit();
    // Ends the program as the quit button does once the player said Yes, but asks nothing and
    // shows no about box: for a request from outside, such as a logout.
    void EndWithoutQuestions();

    // Mouse events on the board, in window coordinates.
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(Qt::MouseButton button);

    // Redraws every place on the window's background, then the score.
    void Paint();
    // Puts the board on a new background colour without losing a card.
    void ChangeBackground(std::uint32_t colorRef);
    // Seeds the random source with a chosen deal number instead of the clock.
    void SeedWith(std::uint32_t seed);

    // The counters of the run, and the player's switches of play.
    ::Statistics& Stats();
    const MoveSwitches& Switches() const;

    // TableDrawing
    Surface* DrawingSurface() override { return &surface; }
    std::uint32_t BackgroundColor() const override { return choices.BackgroundColor(); }
    std::uint32_t FrameColor() const override { return choices.FrameColor(); }
    // CuePlayer
    void PlayCue(SoundCue cue) override { sounds.Play(cue); }
    // PlayerQuestions
    bool ConfirmGiveUp() override;
    void ShowWonMessage() override;
    // ScoreDisplay
    void SetReshuffleEnabled(bool enabled) override;
    void RefreshScore() override;

private:
    QWidget& window;
    Surface& surface;
    ToolStrip& tools;
    ScoreStrip& score;
    ScrollBanner& banner;

    // Made in the order of their declaration and destroyed in the reverse one, so that each part
    // goes before what it uses: the statistics and the switches store what is left as they go,
    // while the store is still there, and the board outlives everything that plays on it.
    std::unique_ptr<SettingsAlerts> alerts;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<StatisticsModel> statistics;
    std::unique_ptr<SwitchesModel> switches;
    RandomSource generator;
    Sound sounds;
    PlayerChoices choices;
    HelpSystem* help;
    // None without a help system.
    std::unique_ptr<THookHelpSystem> helpHook;
    std::unique_ptr<Board> board;
    std::unique_ptr<TablePainter> painter;
    std::unique_ptr<WinningHint> hint;
    std::unique_ptr<MainDialogs> dialogs;
    std::unique_ptr<GameFlow> flow;
    // Before the parts that play on the board, which it follows.
    std::unique_ptr<DealRecorder> recorder;
    std::unique_ptr<PointerPlay> pointer;
    std::unique_ptr<KeyControl> keys;
    std::unique_ptr<WindowExtras> extras;
    std::unique_ptr<RecordViews> records;
    // Last, so that it keeps the window's position before any other part goes.
    std::unique_ptr<WindowLifetime> lifetime;
};
