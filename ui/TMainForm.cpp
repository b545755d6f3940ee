#include "ui/TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QIcon>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "cards/Random.h"
#include "platform/Surface.h"
#include "ui/ScoreGauge.h"
#include "ui/SurfaceView.h"
#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

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

TMainForm::TMainForm(Clock& clockRef, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      clock(clockRef),
      store(std::make_unique<SettingsStore>([this](const QString& message) { ReportSettingsError(message); })),
      positionKeeper(*store),
      surface(std::make_unique<Surface>(ClientWidth, ClientHeight, 0x8000)),
      board(std::make_unique<Board>(*this)),
      flow(*board, *this, statistics),
      pointer(*board, *this, flow) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    setWindowIcon(QIcon(QStringLiteral(":/ui/icon_32.png")));
    setFont(ArialBold(13));

    // The window surface lies under everything; the strips are drawn over it.
    view = new SurfaceView(*surface, this);
    view->setGeometry(0, 0, ClientWidth, ClientHeight);
    surface->SetFlushHandler([this](const QRect& rect) { view->Flush(rect); });
    connect(view, &SurfaceView::MouseDown, this, &TMainForm::FormMouseDown);
    connect(view, &SurfaceView::MouseMove, this, &TMainForm::FormMouseMove);
    connect(view, &SurfaceView::MouseUp, this, &TMainForm::FormMouseUp);

    CreateToolStrip();
    CreateScoreStrip();
    tvbScroll = new QWidget(this);
    tvbScroll->setObjectName(QStringLiteral("tvbScroll"));
    tvbScroll->setGeometry(0, ClientHeight - 15, ClientWidth, 15);
    tvbScroll->setAutoFillBackground(true);
    QPalette bannerPalette = tvbScroll->palette();
    bannerPalette.setColor(QPalette::Window, Qt::black);
    tvbScroll->setPalette(bannerPalette);

    ReadSettings();
    ChangeBackground(backColor);
    setFixedSize(ClientWidth, ClientHeight);
    move(269, 375);

    SeedFromClock(clock);
    board->SetDealSeed(GeneratorSeed);
    board->SetState(GameState::Over);
    RefreshScore();
}

TMainForm::~TMainForm() {
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
    const QString common = QStringLiteral("common");
    language = LanguageFromInt(store->ReadInteger(common, QStringLiteral("tongue"), -1));
    sounds.SetEnabled(store->ReadBool(common, QStringLiteral("sound"), true));
    backColor = static_cast<std::uint32_t>(store->ReadInteger(common, QStringLiteral("back"), 0x8000));
    frameColor = static_cast<std::uint32_t>(store->ReadInteger(common, QStringLiteral("frame"), 0));
}

void TMainForm::WriteSettings() {
    const QString common = QStringLiteral("common");
    store->WriteInteger(common, QStringLiteral("tongue"), static_cast<int>(language));
    store->WriteBool(common, QStringLiteral("sound"), sounds.Enabled());
    store->WriteInteger(common, QStringLiteral("back"), static_cast<int>(backColor));
    store->WriteInteger(common, QStringLiteral("frame"), static_cast<int>(frameColor));
}

QToolButton* TMainForm::MakeButton(const QString& name, int x, int width, const QString& image,
                                   bool withDisabled) {
    auto* button = new QToolButton(Panel1);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setGeometry(x, 4, width, 29);
    button->setFocusPolicy(Qt::NoFocus);
    QIcon icon;
    const QPixmap normal(QStringLiteral(":/ui/%1.png").arg(image));
    icon.addPixmap(normal, QIcon::Normal);
    if (withDisabled) {
        icon.addPixmap(QPixmap(QStringLiteral(":/ui/%1_disabled.png").arg(image)), QIcon::Disabled);
    }
    button->setIcon(icon);
    if (!normal.isNull()) button->setIconSize(normal.size());
    return button;
}

void TMainForm::CreateToolStrip() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, ClientWidth, Board::ToolStripHeight);
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(QPalette(QPalette().color(QPalette::Button)));

    NewBtn = MakeButton(QStringLiteral("NewBtn"), 4, 29, QStringLiteral("btn_new"), false);
    ResetBtn = MakeButton(QStringLiteral("ResetBtn"), 36, 29, QStringLiteral("btn_reset"), true);
    MixBtn = MakeButton(QStringLiteral("MixBtn"), 68, 29, QStringLiteral("btn_mix"), true);
    OptionsBtn = MakeButton(QStringLiteral("OptionsBtn"), 108, 29, QStringLiteral("btn_options"), true);
    StatisticBtn = MakeButton(QStringLiteral("StatisticBtn"), 140, 29, QStringLiteral("btn_statistic"), true);
    ExitBtn = MakeButton(QStringLiteral("ExitBtn"), 180, 29, QStringLiteral("btn_exit"), false);
    TongueBtn = MakeButton(QStringLiteral("TongueBtn"), 586, 27, QStringLiteral("btn_tongue"), false);
    HelpBtn = MakeButton(QStringLiteral("HelpBtn"), 616, 29, QStringLiteral("btn_help"), false);
    InfoBtn = MakeButton(QStringLiteral("InfoBtn"), 648, 29, QStringLiteral("btn_info"), false);
    // The reshuffle button keeps one tooltip in both languages.
    MixBtn->setToolTip(QStringLiteral("Neu auslegen"));

    connect(NewBtn, &QToolButton::clicked, this, &TMainForm::NewGame);
    connect(ResetBtn, &QToolButton::clicked, this, &TMainForm::ResetGame);
    connect(MixBtn, &QToolButton::clicked, this, &TMainForm::MixBtnClick);
    connect(ExitBtn, &QToolButton::clicked, this, &TMainForm::Exit_ButtonClick);
    connect(InfoBtn, &QToolButton::clicked, this, &TMainForm::info);
    connect(TongueBtn, &QToolButton::clicked, this, &TMainForm::TongueBtnClick);
}

void TMainForm::CreateScoreStrip() {
    won_label = new QLabel(Panel1);
    won_label->setObjectName(QStringLiteral("won_label"));
    won_label->setFont(ArialBold(16));
    won_label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    won_label->setGeometry(223, 7, 100, 20);
    QPalette wonPalette = won_label->palette();
    wonPalette.setColor(QPalette::WindowText, QColor(0, 255, 0));
    won_label->setPalette(wonPalette);

    gproz = new ScoreGauge(Panel1);
    gproz->setObjectName(QStringLiteral("gproz"));
    gproz->setGeometry(328, 8, 89, 17);

    lost_label = new QLabel(Panel1);
    lost_label->setObjectName(QStringLiteral("lost_label"));
    lost_label->setFont(ArialBold(16));
    lost_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lost_label->setGeometry(424, 7, 100, 20);
    QPalette lostPalette = lost_label->palette();
    lostPalette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    lost_label->setPalette(lostPalette);

    for (const char* name : {"b100", "b80", "b60", "b40", "b20"}) {
        faces.insert(QLatin1String(name), QPixmap(QStringLiteral(":/ui/face_%1.png").arg(QLatin1String(name))));
    }
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
    MixBtn->setEnabled(enabled);
}

bool TMainForm::ConfirmGiveUp() {
    return dialogs.giveUp == nullptr || dialogs.giveUp->exec() == 6;
}

void TMainForm::ShowWonMessage() {
    if (dialogs.won != nullptr) dialogs.won->exec();
}

void TMainForm::info() {
    if (dialogs.about != nullptr) dialogs.about->exec();
}

void TMainForm::TongueBtnClick() {
    if (dialogs.tongue != nullptr) dialogs.tongue->exec();
    ApplyTexts();
}

void TMainForm::RefreshScore() {
    won_label->setText(QString::number(statistics.sinceStartWon));
    lost_label->setText(QString::number(statistics.sinceStartLost));
    const int percent = statistics.Percent();
    gproz->SetProgress(percent);
    const QPixmap picture = faces.value(QLatin1String(::Statistics::FaceFor(percent)));
    StatisticBtn->setIcon(QIcon(picture));
    if (!picture.isNull()) StatisticBtn->setIconSize(picture.size());
}

void TMainForm::Paint() {
    {
        Surface::Batch batch(*surface);
        surface->FillRect(QRect(0, 0, ClientWidth, ClientHeight), backColor);
        board->RepaintAll();
    }
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
    flow.NewGame();
}

void TMainForm::ResetGame() {
    flow.ResetGame();
}

void TMainForm::MixBtnClick() {
    board->Reshuffle();
}

void TMainForm::Exit_ButtonClick() {
    close();
}

void TMainForm::ApplyTexts() {
    auto set = [this](QWidget* control, const char* german, const char* english) {
        control->setToolTip(Pick(language, QString::fromUtf8(german), QString::fromUtf8(english)));
    };
    set(NewBtn, "Ich möchte die Karten neu mischen.", "I want to reshuffle the cards.");
    set(ResetBtn, "Ich möchte es mit der gleichen Auslage nochmals probieren.", "I want to try again with the same hand.");
    set(InfoBtn, "Wer hat dieses Spiel nur verbrochen?", "Who programmed this torvik game?");
    set(ExitBtn, "Ich hab genug!", "I've got enough...");
    set(HelpBtn, "Worum geht's da eigentlich?", "What is the idea of the game?");
    set(OptionsBtn, "Ich möcht etwas verändern.", "I want to change the configuration.");
    set(StatisticBtn, "Wie gut war ich bisher.", "How well have I done up to now.");
    set(won_label, "Gewonnene Spiele", "Won games");
    set(lost_label, "Verlorenen Spiele", "Lost games");
    set(TongueBtn, "Sprache", "Language");
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
    if (language == Language::Unset && dialogs.tongue != nullptr) dialogs.tongue->exec();
    ApplyTexts();
    info();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (dialogs.endGame != nullptr) {
        if (dialogs.endGame->exec() != 6) {
            event->ignore();
            return;
        }
        info();
    }
    Leave();
    event->accept();
}

void TMainForm::Leave() {
    flow.Leave();
    WriteSettings();
}

namespace {
// The right button is the secondary one; every other button acts as the primary one.
PointerPlay::Button ButtonOf(Qt::MouseButton button) {
    return button == Qt::RightButton ? PointerPlay::Button::Secondary : PointerPlay::Button::Primary;
}
}  // namespace

void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
    pointer.MouseDown(ButtonOf(button), x, y);
}

void TMainForm::FormMouseMove(int x, int y) {
    pointer.MouseMove(x, y);
}

void TMainForm::FormMouseUp(Qt::MouseButton button, int, int) {
    pointer.MouseUp(ButtonOf(button));
}
