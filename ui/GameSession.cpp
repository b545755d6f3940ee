#include "ui/GameSession.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QShortcut>

#include "cards/Random.h"
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
#include "ui/KeyControl.h"
#include "ui/MainDialogs.h"
#include "ui/QuietEnd.h"
#include "ui/ScoreStrip.h"
#include "ui/SmallDialog.h"
#include "ui/TFreewareDlg.h"
#include "ui/TEndGameDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"
#include "ui/ToolStrip.h"
#include "ui/WindowExtras.h"
#include "ui/WinningHint.h"

GameSession::GameSession(const WindowParts& parts)
    : window(parts.window),
      surface(parts.surface),
      tools(parts.tools),
      score(parts.score),
      banner(parts.banner),
      store(std::make_unique<SettingsStore>([this](const QString& message) { ReportSettingsError(message); })),
      choices(*store),
      positionKeeper(*store),
      // The hook reads the language only when it has something to say.
      helpHook(std::make_unique<THookHelpSystem>(HelpPlatform::HelpFilePath(QApplication::applicationDirPath()),
                                                 QString(), 0, &language)) {
    // A write killed halfway in an earlier run left its temporary file behind.
    store->RemoveStaleWrites();
    ReadSettings();
    board = std::make_unique<Board>(*this);
    hint = std::make_unique<WinningHint>(&window, *board, *this, language);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_H), &window), &QShortcut::activated, hint.get(),
                     &WinningHint::Request);
    // The statistics and options dialogs read their own settings as they are made.
    dialogs = std::make_unique<MainDialogs>(window, *this, language, *store);
    flow = std::make_unique<GameFlow>(*board, *this, Stats());
    flow->SetCountListener([this] { dialogs->Stat().Counted(); });
    pointer = std::make_unique<PointerPlay>(*board, *this, *flow);
    keys = std::make_unique<KeyControl>(window, tools, *board, *this, *pointer);
    extras = std::make_unique<WindowExtras>(WindowExtras::Parts{window, parts.boardView, *board, *flow, *dialogs, *keys,
                                                                *store, language, QSize(surface.Width(), surface.Height())});
    quietEnd = std::make_unique<QuietEnd>(window);
    ChangeBackground(backColor);

    SeedFromClock();
    board->SetDealSeed(GeneratorSeed);
    board->SetState(GameState::Over);
    RefreshScore();
}

GameSession::~GameSession() {
    // The window is still whole: its position is kept before any part goes.
    positionKeeper.Record(window);
}

void GameSession::ReportSettingsError(const QString& message) {
    // A settings error must not cost the player the rest of the settings or the statistics: it is
    // shown, and the program goes on with the default or the next value.
    if (QApplication::platformName() == QLatin1String("offscreen")) {
        qWarning("%s", qUtf8Printable(message));
        return;
    }
    QMessageBox::critical(window.isVisible() ? &window : nullptr, window.windowTitle(), message);
}

void GameSession::ReadSettings() {
    language = LanguageFromInt(choices.Read(SettingKey::Language));
    sounds.SetEnabled(choices.ReadFlag(SettingKey::Sound));
    backColor = static_cast<std::uint32_t>(choices.Read(SettingKey::Background));
    frameColor = static_cast<std::uint32_t>(choices.Read(SettingKey::Frame));
}

void GameSession::WriteSettings() {
    // Each choice was stored when it was made; this catches what did not get there.
    choices.Keep(SettingKey::Language, static_cast<int>(language));
    choices.Keep(SettingKey::Sound, sounds.Enabled());
    choices.Keep(SettingKey::Background, static_cast<int>(backColor));
    choices.Keep(SettingKey::Frame, static_cast<int>(frameColor));
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
    if (dialogs->Run(dialogs->Options()) == SmallDialog::ResultOk) ChangeBackground(backColor);
}

void GameSession::ShowStatistics() {
    dialogs->Run(dialogs->Stat());
    RefreshScore();
}

void GameSession::ShowAbout() {
    dialogs->Run(dialogs->About());
}

void GameSession::ChooseLanguage() {
    dialogs->Run(dialogs->Tongue());
    choices.Choose(SettingKey::Language, static_cast<int>(language));
    ApplyTexts();
}

void GameSession::ShowHelp() {
    HelpApi::HelpContext(1);
}

void GameSession::FirstShown() {
    positionKeeper.Restore(window);
    Paint();
}

void GameSession::FirstActivation() {
    if (activated || quietEnd->Requested()) return;
    activated = true;
    if (language == Language::Unset) {
        dialogs->Run(dialogs->Tongue());
        choices.Choose(SettingKey::Language, static_cast<int>(language));
    }
    ApplyTexts();
    ShowAbout();
}

bool GameSession::ConfirmQuit() {
    if (!quietEnd->Requested()) {
        if (dialogs->Run(dialogs->EndGame()) != SmallDialog::ResultYes) return false;
        ShowAbout();
    }
    flow->Leave();
    WriteSettings();
    helpHook.reset();
    HelpControl::CloseAllHelpWindows();
    return true;
}

void GameSession::EndWithoutQuestions() {
    quietEnd->Request();
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
    // A held card lies on top of everything: it comes off before the board is redrawn under it
    // and goes back after, or it would vanish and later restore a patch of the old surface.
    CardPile* held = board->Hand().get();
    const bool lifted = held != nullptr && !held->Hidden();
    if (lifted) held->Hide(&surface);
    {
        Surface::Batch batch(surface);
        surface.FillRect(QRect(0, 0, surface.Width(), surface.Height()), backColor);
        board->RepaintAll();
    }
    if (lifted) held->Show(&surface);
    RefreshScore();
}

void GameSession::ChangeBackground(std::uint32_t colorRef) {
    board->HideAll();
    backColor = colorRef;
    QPalette windowPalette = window.palette();
    windowPalette.setColor(QPalette::Window, QColor::fromRgb(PixelFromColorRef(backColor)));
    window.setPalette(windowPalette);
    Paint();
    board->ShowAll();
}

void GameSession::SeedWith(std::uint32_t seed) {
    GeneratorSeed = seed;
    board->SetDealSeed(seed);
}

::Statistics& GameSession::Stats() {
    return dialogs->Stat().Stats();
}

KeyPlay& GameSession::Keys() {
    return keys->Keys();
}

bool GameSession::SlideOn() const {
    return dialogs->Options().SlideOn();
}

bool GameSession::ShowMovesOn() const {
    return dialogs->Options().ShowMovesOn();
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

void GameSession::SetSoundOn(bool on) {
    sounds.SetEnabled(on);
    choices.Choose(SettingKey::Sound, on);
}

void GameSession::SetColors(std::uint32_t background, std::uint32_t frame) {
    backColor = background;
    frameColor = frame;
    choices.Choose(SettingKey::Background, static_cast<int>(backColor));
    choices.Choose(SettingKey::Frame, static_cast<int>(frameColor));
}

void GameSession::ApplyTexts() {
    tools.ApplyTexts(language);
    score.ApplyTexts(language);
    banner.ApplyLanguage(language);
    extras->ApplyTexts();
}
