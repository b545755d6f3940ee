#include "ui/GameSession.h"

#include <QApplication>
#include <QTimer>

#include "game/Board.h"
#include "game/GameFlow.h"
#include "game/PointerPlay.h"
#include "help/HelpApi.h"
#include "help/HelpControl.h"
#include "help/HelpPlatform.h"
#include "help/THookHelpSystem.h"
#include "media/ScrollBanner.h"
#include "platform/Surface.h"
#include "settings/SettingsStore.h"
#include "settings/StatisticsModel.h"
#include "settings/SwitchesModel.h"
#include "ui/DealRecorder.h"
#include "ui/KeyControl.h"
#include "ui/MainDialogs.h"
#include "ui/RecordViews.h"
#include "ui/ScoreStrip.h"
#include "ui/SettingsAlerts.h"
#include "ui/SmallDialog.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"
#include "ui/TWonDlg.h"
#include "ui/TablePainter.h"
#include "ui/ToolStrip.h"
#include "ui/WindowExtras.h"
#include "ui/WindowLifetime.h"
#include "ui/WinningHint.h"

GameSession::GameSession(const WindowParts& parts, SessionServices services)
    : window(parts.window),
      surface(parts.surface),
      tools(parts.tools),
      score(parts.score),
      banner(parts.banner),
      alerts(std::make_unique<SettingsAlerts>(window)),
      store(alerts->OpenStore()),
      statistics(std::make_unique<StatisticsModel>(*store)),
      switches(std::make_unique<SwitchesModel>(*store)),
      sounds(std::move(services.audioOut)),
      choices(*store, sounds, {tools, score, banner}),
      help(services.help) {
    // The hook reads the language only when it has something to say.
    if (help) {
        helpHook = std::make_unique<THookHelpSystem>(
            *help, HelpPlatform::HelpFilePath(QApplication::applicationDirPath()), QString(), 0,
            &choices.CurrentLanguage());
    }
    Language& language = choices.CurrentLanguage();
    alerts->SetLanguage(language);
    board = std::make_unique<Board>(*this, *this, *this, switches->Switches(), generator);
    painter = std::make_unique<TablePainter>(window, surface, *board, choices, *this);
    hint = std::make_unique<WinningHint>(&window, *board, *this, language);
    dialogs = std::make_unique<MainDialogs>(window, MainDialogs::Models{*statistics, *switches, choices},
                                            language, std::move(services.runDialog));
    alerts->SetRunner([this](QDialog& notice) { return dialogs->Run(notice); });
    flow = std::make_unique<GameFlow>(*board, *this, *this, *this, Stats());
    recorder = std::make_unique<DealRecorder>(window, *board, *dialogs, language);
    board->SetChangeListener([this] {
        hint->PositionChanged();
        recorder->Tally().Changed();
    });
    flow->SetCountListener([this] {
        statistics->Counted();
        recorder->Counted();
    });
    pointer = std::make_unique<PointerPlay>(*board, *this, *this, switches->Switches(), *flow);
    keys = std::make_unique<KeyControl>(window, tools, *board, *this, *pointer);
    keys->Bind(QKeySequence(Qt::Key_H), [this] {
        hint->Request();
        recorder->Tally().HintAsked();
    });
    extras = std::make_unique<WindowExtras>(WindowExtras::Parts{window, parts.boardView, *board, *flow,
                                                                *dialogs, *keys, *store, language,
                                                                QSize(surface.Width(), surface.Height())});
    records = std::make_unique<RecordViews>(RecordViews::Parts{window, banner, *board, *flow, *dialogs, *keys,
                                                               *store, language, *recorder, *hint});
    choices.SetTextsFollower([this] { extras->ApplyTexts(); });
    lifetime = std::make_unique<WindowLifetime>(window, *store, *dialogs, choices, extras->Zoom());
    ChangeBackground(choices.BackgroundColor());

    generator.SeedFromClock();
    board->SetDealSeed(generator.GeneratorSeed);
    board->SetState(GameState::Over);
    RefreshScore();
}

GameSession::~GameSession() {
    // The parts store what they own as they go; nothing of that is worth a notice any more.
    alerts->Silence();
}

void GameSession::NewGame() {
    flow->NewGame();
}

void GameSession::ResetGame() {
    flow->ResetGame();
}

void GameSession::Reshuffle() {
    board->Reshuffle();
}

void GameSession::ShowOptions() {
    if (dialogs->Run(dialogs->Options()) != SmallDialog::ResultOk) return;
    ChangeBackground(choices.BackgroundColor());
}

void GameSession::ShowStatistics() {
    dialogs->Run(dialogs->Stat());
    RefreshScore();
}

void GameSession::ShowAbout() {
    lifetime->ShowAbout();
}

void GameSession::ChooseLanguage() {
    lifetime->AskLanguage();
    choices.ApplyTexts();
}

void GameSession::ShowHelp() {
    if (help) HelpApi(*help).HelpContext(1);
}

void GameSession::FirstShown() {
    lifetime->FirstShown();
    Paint();
    // Nothing of the record comes before the first paint.
    QTimer::singleShot(0, &window, [this] { records->FirstShown(); });
}

void GameSession::FirstActivation() {
    lifetime->FirstActivation();
    alerts->WindowReady();
}

bool GameSession::ConfirmQuit() {
    if (!lifetime->QuitConfirmed()) return false;
    // From here on the run only ends; a store that cannot be written holds nothing up.
    alerts->Silence();
    recorder->Ending(lifetime->EndingQuietly() ? DealResult::QuietEnd : DealResult::Quit);
    flow->Leave();
    choices.KeepAll();
    helpHook.reset();
    if (help) HelpControl(*help).CloseAllHelpWindows();
    return true;
}

void GameSession::EndWithoutQuestions() {
    alerts->Silence();
    lifetime->EndWithoutQuestions();
}

namespace {
// The right button is the secondary one; every other button acts as the primary one.
PointerPlay::Button ButtonOf(Qt::MouseButton button) {
    return button == Qt::RightButton ? PointerPlay::Button::Secondary : PointerPlay::Button::Primary;
}
}  // namespace

void GameSession::MouseDown(Qt::MouseButton button, int x, int y) {
    pointer->MouseDown(ButtonOf(button), x, y);
}

void GameSession::MouseMove(int x, int y) {
    pointer->MouseMove(x, y);
}

void GameSession::MouseUp(Qt::MouseButton button) {
    pointer->MouseUp(ButtonOf(button));
}

void GameSession::Paint() {
    painter->Paint();
}

void GameSession::ChangeBackground(std::uint32_t colorRef) {
    painter->ChangeBackground(colorRef);
}

void GameSession::SeedWith(std::uint32_t seed) {
    generator.GeneratorSeed = seed;
    board->SetDealSeed(seed);
}

::Statistics& GameSession::Stats() {
    return statistics->Stats();
}

const MoveSwitches& GameSession::Switches() const {
    return switches->Switches();
}

void GameSession::SetReshuffleEnabled(bool enabled) {
    tools.SetReshuffleEnabled(enabled);
}

bool GameSession::ConfirmGiveUp() {
    return dialogs->Run(dialogs->GiveUp()) == SmallDialog::ResultYes;
}

void GameSession::ShowWonMessage() {
    dialogs->Run(dialogs->Won());
}

void GameSession::RefreshScore() {
    tools.SetScorePicture(score.Show(Stats()));
}
