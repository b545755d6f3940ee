#include "ui/TMainForm.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QToolButton>

#include "cards/Random.h"
#include "platform/Surface.h"
#include "ui/ScoreGauge.h"
#include "ui/SurfaceView.h"

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

    // The persisted values arrive with the settings store; until then the defaults hold.
    ChangeBackground(backColor);
    setFixedSize(ClientWidth, ClientHeight);

    SeedFromClock(clock);
    board->SetDealSeed(GeneratorSeed);
    board->SetState(GameState::Over);
    RefreshScore();
}

TMainForm::~TMainForm() {
    // The board goes first: its places draw nothing while they are destroyed.
    board.reset();
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

    b100 = QPixmap(QStringLiteral(":/ui/face_b100.png"));
    b80 = QPixmap(QStringLiteral(":/ui/face_b80.png"));
    b60 = QPixmap(QStringLiteral(":/ui/face_b60.png"));
    b40 = QPixmap(QStringLiteral(":/ui/face_b40.png"));
    b20 = QPixmap(QStringLiteral(":/ui/face_b20.png"));
}

void TMainForm::SeedWith(std::uint32_t seed) {
    GeneratorSeed = seed;
    board->SetDealSeed(seed);
}

Surface* TMainForm::DrawingSurface() {
    return surface.get();
}

void TMainForm::PlayCue(SoundCue) {
    // Sounds come with the sound cues; until then play stays silent.
}

void TMainForm::SetReshuffleEnabled(bool enabled) {
    MixBtn->setEnabled(enabled);
}

bool TMainForm::ConfirmGiveUp() {
    return true;
}

void TMainForm::ShowWonMessage() {}

void TMainForm::RefreshScore() {
    won_label->setText(QString::number(statistics.sinceStartWon));
    lost_label->setText(QString::number(statistics.sinceStartLost));
    const int percent = statistics.Percent();
    gproz->SetProgress(percent);
    const QString face = QString::fromLatin1(::Statistics::FaceFor(percent));
    const QPixmap& picture = face == QLatin1String("b100")  ? b100
                             : face == QLatin1String("b80") ? b80
                             : face == QLatin1String("b60") ? b60
                             : face == QLatin1String("b40") ? b40
                                                            : b20;
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
        Paint();
    }
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activated) {
        activated = true;
        Activate();
    }
}

void TMainForm::Activate() {
    ApplyTexts();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    Leave();
    event->accept();
}

void TMainForm::Leave() {
    flow.Leave();
}

void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
    pointer.MouseDown(button == Qt::RightButton ? PointerPlay::Button::Secondary : PointerPlay::Button::Primary, x, y);
}

void TMainForm::FormMouseMove(int x, int y) {
    pointer.MouseMove(x, y);
}

void TMainForm::FormMouseUp(Qt::MouseButton button, int, int) {
    pointer.MouseUp(button == Qt::RightButton ? PointerPlay::Button::Secondary : PointerPlay::Button::Primary);
}
