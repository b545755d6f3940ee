#include "ui/TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QShortcut>
#include <QIcon>
#include <QTimer>

#include "cards/Random.h"
#include "media/LinkLabel.h"
#include "media/MakerLinks.h"
#include "media/ScrollBanner.h"
#include "help/ApplicationHelp.h"
#include "help/HelpControl.h"
#include "help/HelpPlatform.h"
#include "help/THookHelpSystem.h"
#include "platform/EmbeddedImage.h"
#include "platform/Surface.h"
#include "ui/KeyControl.h"
#include "ui/ScoreStrip.h"
#include "ui/SmallDialog.h"
#include "ui/SurfaceView.h"
#include "ui/ToolStrip.h"
#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"
#include "ui/WinningHint.h"
#include "ui/WindowExtras.h"

namespace {

QColor ColorFromRef(std::uint32_t colorRef) {
    return QColor::fromRgb(PixelFromColorRef(colorRef));
}

QFont ArialBold(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      store(std::make_unique<SettingsStore>([this](const QString& message) { ReportSettingsError(message); })),
      positionKeeper(*store),
      surface(std::make_unique<Surface>(ClientWidth, ClientHeight, 0x8000)),
      board(std::make_unique<Board>(*this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    setWindowIcon(QIcon(ReadEmbeddedPixmap(QStringLiteral(":/ui/icon_32.png"))));
    setFont(ArialBold(13));
    helpHook = std::make_unique<THookHelpSystem>(HelpPlatform::HelpFilePath(QApplication::applicationDirPath()),
                                                 QString(), 0);

    // The window surface lies under everything; the strips are drawn over it.
    view = new SurfaceView(*surface, this);
    view->setGeometry(0, 0, ClientWidth, ClientHeight);
    surface->SetFlushHandler([this](const QRect& rect) { view->Flush(rect); });
    connect(view, &SurfaceView::MouseDown, this, &TMainForm::FormMouseDown);
    connect(view, &SurfaceView::MouseMove, this, &TMainForm::FormMouseMove);
    connect(view, &SurfaceView::MouseUp, this, &TMainForm::FormMouseUp);

    Panel1 = new ToolStrip(this);
    Panel1->setGeometry(0, 0, ClientWidth, ToolStrip::Height);
    scoreStrip = new ScoreStrip(Panel1);
    connect(Panel1, &ToolStrip::newDeal, this, &TMainForm::NewGame);
    connect(Panel1, &ToolStrip::replay, this, &TMainForm::ResetGame);
    connect(Panel1, &ToolStrip::reshuffle, this, &TMainForm::MixBtnClick);
    connect(Panel1, &ToolStrip::quit, this, &TMainForm::Exit_ButtonClick);
    connect(Panel1, &ToolStrip::about, this, &TMainForm::info);
    connect(Panel1, &ToolStrip::language, this, &TMainForm::TongueBtnClick);
    connect(Panel1, &ToolStrip::options, this, &TMainForm::OptionsButtonClick);
    connect(Panel1, &ToolStrip::statistics, this, &TMainForm::Statistics);
    connect(Panel1, &ToolStrip::help, this, &TMainForm::HelpBtnClick);

    winningHint = new WinningHint(this, *board, *this, language);
    connect(new QShortcut(QKeySequence(Qt::Key_H), this), &QShortcut::activated, winningHint, &WinningHint::Request);

    tvbScroll = new ScrollBanner(this);
    tvbScroll->setGeometry(0, ClientHeight - 15, ClientWidth, 15);
    connect(tvbScroll, &ScrollBanner::Clicked, this, &TMainForm::TorvikBtnClick);
    TVBLabel = new LinkLabel(this);
    TVBLabel->setObjectName(QStringLiteral("TVBLabel"));
    TVBLabel->SetLink(MakerWebAddress());
    TVBLabel->hide();

    ReadSettings();
    // The statistics and options dialogs read their own settings as they are made.
    dialogs = std::make_unique<MainDialogs>(*this, *this, language, *store);
    flow = std::make_unique<GameFlow>(*board, *this, Stats());
    pointer = std::make_unique<PointerPlay>(*board, *this, *flow);
    keyControl = std::make_unique<KeyControl>(*this, *board, *this, *pointer);
    ChangeBackground(backColor);
    setFixedSize(ClientWidth, ClientHeight);
    extras = std::make_unique<WindowExtras>(
        WindowExtras::Parts{*this, *view, *board, *flow, *dialogs, *keyControl, *store, language});
    move(269, 375);

    SeedFromClock();
    board->SetDealSeed(GeneratorSeed);
    board->SetState(GameState::Over);
    RefreshScore();
    tvbScroll->StartScrolling();
}

TMainForm::~TMainForm() {
    tvbScroll->StopScrolling();
    extras.reset();
    keyControl.reset();
    dialogs.reset();
    positionKeeper.Record(*this);
    // The board goes first: its places draw nothing while they are destroyed.
    board.reset();
}

void TMainForm::ReportSettingsError(const QString& message) {
    // A settings error must not cost the player the rest of the settings or the statistics: it is
    // shown, and the program goes on with the default or the next value.
    if (QApplication::platformName() == QLatin1String("offscreen")) {
        qWarning("%s", qUtf8Printable(message));
        return;
    }
    QMessageBox::critical(isVisible() ? this : nullptr, windowTitle(), message);
}

void TMainForm::ReadSettings() {
    language = LanguageFromInt(store->ReadInteger(SettingKey::Language));
    sounds.SetEnabled(store->ReadBool(SettingKey::Sound));
    backColor = static_cast<std::uint32_t>(store->ReadInteger(SettingKey::Background));
    frameColor = static_cast<std::uint32_t>(store->ReadInteger(SettingKey::Frame));
}

void TMainForm::WriteSettings() {
    store->WriteInteger(SettingKey::Language, static_cast<int>(language));
    store->WriteBool(SettingKey::Sound, sounds.Enabled());
    store->WriteInteger(SettingKey::Background, static_cast<int>(backColor));
    store->WriteInteger(SettingKey::Frame, static_cast<int>(frameColor));
}

void TMainForm::SeedWith(std::uint32_t seed) {
    GeneratorSeed = seed;
    board->SetDealSeed(seed);
}

Surface* TMainForm::DrawingSurface() {
    return surface.get();
}

void TMainForm::PlayCue(SoundCue cue) {
    sounds.Play(cue);
}

void TMainForm::SetReshuffleEnabled(bool enabled) {
    Panel1->SetReshuffleEnabled(enabled);
}

bool TMainForm::ConfirmGiveUp() {
    return dialogs->Run(dialogs->GiveUp()) == SmallDialog::ResultYes;
}

void TMainForm::ShowWonMessage() {
    dialogs->Run(dialogs->Won());
}

void TMainForm::info() {
    dialogs->Run(dialogs->About());
}

void TMainForm::TongueBtnClick() {
    dialogs->Run(dialogs->Tongue());
    ApplyTexts();
}

::Statistics& TMainForm::Stats() {
    return dialogs->Stat().Stats();
}

bool TMainForm::SlideOn() const {
    return dialogs->Options().SlideOn();
}

bool TMainForm::ShowMovesOn() const {
    return dialogs->Options().ShowMovesOn();
}

void TMainForm::OptionsButtonClick() {
    if (dialogs->Run(dialogs->Options()) == SmallDialog::ResultOk) ChangeBackground(backColor);
}

void TMainForm::Statistics() {
    dialogs->Run(dialogs->Stat());
    RefreshScore();
}

void TMainForm::SetColors(std::uint32_t background, std::uint32_t frame) {
    backColor = background;
    frameColor = frame;
}

void TMainForm::RefreshScore() {
    Panel1->SetScorePicture(scoreStrip->Show(Stats()));
}

void TMainForm::Paint() {
    // A held card lies on top of everything: it comes off before the board is redrawn under it
    // and goes back after, or it would vanish and later restore a patch of the old surface.
    CardPile* held = board->Hand().get();
    const bool lifted = held != nullptr && !held->Hidden();
    if (lifted) held->Hide(surface.get());
    {
        Surface::Batch batch(*surface);
        surface->FillRect(QRect(0, 0, ClientWidth, ClientHeight), backColor);
        board->RepaintAll();
    }
    if (lifted) held->Show(surface.get());
    RefreshScore();
}

void TMainForm::ChangeBackground(std::uint32_t colorRef) {
    board->HideAll();
    backColor = colorRef;
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, ColorFromRef(backColor));
    setPalette(windowPalette);
    Paint();
    board->ShowAll();
}

void TMainForm::NewGame() {
    flow->NewGame();
}

void TMainForm::ResetGame() {
    flow->ResetGame();
}

void TMainForm::MixBtnClick() {
    board->Reshuffle();
}

void TMainForm::Exit_ButtonClick() {
    close();
}

void TMainForm::ApplyTexts() {
    Panel1->ApplyTexts(language);
    scoreStrip->ApplyTexts(language);
    tvbScroll->ApplyLanguage(language);
    extras->ApplyTexts();
}

void TMainForm::TorvikBtnClick() {
    TVBLabel->Jump();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce) {
        shownOnce = true;
        positionKeeper.Restore(*this);
        Paint();
        // Without a window manager a window may never be activated; the first showing then
        // stands in for the first activation.
        activateWindow();
        QTimer::singleShot(0, this, &TMainForm::Activate);
    }
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated) {
        // The first dialogs open once the activation itself is over.
        QTimer::singleShot(0, this, &TMainForm::Activate);
    }
}

void TMainForm::Activate() {
    if (activated) return;
    activated = true;
    if (language == Language::Unset) dialogs->Run(dialogs->Tongue());
    ApplyTexts();
    info();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (dialogs->Run(dialogs->EndGame()) != SmallDialog::ResultYes) {
        event->ignore();
        return;
    }
    info();
    Leave();
    event->accept();
}

void TMainForm::Leave() {
    flow->Leave();
    WriteSettings();
    helpHook.reset();
    HelpControl::CloseAllHelpWindows();
}

void TMainForm::HelpBtnClick() {
    ApplicationHelp::HelpContext(1);
}

namespace {
// The right button is the secondary one; every other button acts as the primary one.
PointerPlay::Button ButtonOf(Qt::MouseButton button) {
    return button == Qt::RightButton ? PointerPlay::Button::Secondary : PointerPlay::Button::Primary;
}
}  // namespace

void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
    pointer->MouseDown(ButtonOf(button), x, y);
}

void TMainForm::FormMouseMove(int x, int y) {
    pointer->MouseMove(x, y);
}

void TMainForm::FormMouseUp(Qt::MouseButton button, int, int) {
    pointer->MouseUp(ButtonOf(button));
}
