#include "ui/TMainForm.h"

#include <QCloseEvent>
#include <QIcon>
#include <QTimer>

#include "media/LinkLabel.h"
#include "media/MakerLinks.h"
#include "media/ScrollBanner.h"
#include "platform/EmbeddedImage.h"
#include "ui/GameSession.h"
#include "ui/ScoreStrip.h"
#include "ui/SurfaceView.h"
#include "ui/ToolStrip.h"

TMainForm::TMainForm(SessionServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    setWindowIcon(QIcon(ReadEmbeddedPixmap(QStringLiteral(":/ui/icon_32.png"))));
    QFont arialBold(QStringLiteral("Arial"));
    arialBold.setBold(true);
    arialBold.setPixelSize(13);
    setFont(arialBold);

    // The window surface lies under everything; the strips are drawn over it.
    view = new SurfaceView(surface, this);
    view->setGeometry(0, 0, ClientWidth, ClientHeight);
    surface.SetFlushHandler([this](const QRect& rect) { view->Flush(rect); });
    Panel1 = new ToolStrip(this);
    Panel1->setGeometry(0, 0, ClientWidth, ToolStripHeight);
    scoreStrip = new ScoreStrip(Panel1);
    tvbScroll = new ScrollBanner(this);
    tvbScroll->setGeometry(0, ClientHeight - BannerHeight, ClientWidth, BannerHeight);
    TVBLabel = new LinkLabel(this);
    TVBLabel->setObjectName(QStringLiteral("TVBLabel"));
    TVBLabel->SetLink(MakerWebAddress());
    TVBLabel->hide();

    const GameSession::WindowParts parts{*this, surface, *view, *Panel1, *scoreStrip, *tvbScroll};
    session = std::make_unique<GameSession>(parts, std::move(services));

    connect(view, &SurfaceView::MouseDown, this, &TMainForm::FormMouseDown);
    connect(view, &SurfaceView::MouseMove, this, &TMainForm::FormMouseMove);
    connect(view, &SurfaceView::MouseUp, this, &TMainForm::FormMouseUp);
    connect(Panel1, &ToolStrip::newDeal, this, &TMainForm::NewGame);
    connect(Panel1, &ToolStrip::replay, this, &TMainForm::ResetGame);
    connect(Panel1, &ToolStrip::reshuffle, this, &TMainForm::MixBtnClick);
    connect(Panel1, &ToolStrip::quit, this, &TMainForm::Exit_ButtonClick);
    connect(Panel1, &ToolStrip::about, this, &TMainForm::info);
    connect(Panel1, &ToolStrip::language, this, &TMainForm::TongueBtnClick);
    connect(Panel1, &ToolStrip::options, this, &TMainForm::OptionsButtonClick);
    connect(Panel1, &ToolStrip::statistics, this, &TMainForm::Statistics);
    connect(Panel1, &ToolStrip::help, this, &TMainForm::HelpBtnClick);
    connect(tvbScroll, &ScrollBanner::Clicked, this, &TMainForm::TorvikBtnClick);

    setFixedSize(ClientWidth, ClientHeight);
    move(269, 375);
    tvbScroll->StartScrolling();
}

// The session goes first, while every strip it shows its state in is still there.
TMainForm::~TMainForm() = default;

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce) {
        shownOnce = true;
        session->FirstShown();
        // Without a window manager a window may never be activated; the first showing then
        // stands in for the first activation.
        activateWindow();
        QTimer::singleShot(0, this, &TMainForm::Activate);
    }
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // The first dialogs open once the activation itself is over.
        QTimer::singleShot(0, this, &TMainForm::Activate);
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (session->ConfirmQuit()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TMainForm::Activate() {
    session->FirstActivation();
}
void TMainForm::NewGame() {
    session->NewGame();
}
void TMainForm::ResetGame() {
    session->ResetGame();
}
void TMainForm::MixBtnClick() {
    session->Reshuffle();
}
void TMainForm::OptionsButtonClick() {
    session->ShowOptions();
}
void TMainForm::Statistics() {
    session->ShowStatistics();
}
void TMainForm::Exit_ButtonClick() {
    close();
}
void TMainForm::TongueBtnClick() {
    session->ChooseLanguage();
}
void TMainForm::HelpBtnClick() {
    session->ShowHelp();
}
void TMainForm::info() {
    session->ShowAbout();
}
void TMainForm::TorvikBtnClick() {
    TVBLabel->Jump();
}
void TMainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
    session->MouseDown(button, x, y);
}
void TMainForm::FormMouseMove(int x, int y) {
    session->MouseMove(x, y);
}
void TMainForm::FormMouseUp(Qt::MouseButton button, int, int) {
    session->MouseUp(button);
}
