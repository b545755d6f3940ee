#include "media/ScrollBanner.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cstdint>

namespace {

QFont BannerFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    // Set, not inherited: the main window's own font is bold.
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

int ScrollBanner::TextLeft(int counter, int textWidth, int stripWidth) {
    // Exact in integers: (T + W) * (1500 - step) / 1500, rounded half to even. Steps past the end
    // of a pass give a negative numerator, so the quotient is floored by hand.
    const std::int64_t numerator =
        static_cast<std::int64_t>(textWidth + stripWidth) * (StepsPerPass - counter);
    const std::int64_t denominator = StepsPerPass;
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) quotient += 1;
    return static_cast<int>(quotient) - textWidth;
}

int ScrollBanner::TextTop(int stripHeight, int lineHeightValue) {
    return stripHeight >= lineHeightValue ? (stripHeight - lineHeightValue) / 2 : 0;
}

QString ScrollBanner::InitialText() {
    return QString::fromUtf8(
        "Klicke hier um die Torvik Games Homepage zu besuchen.     Die Torvik Games - eine Reihe von "
        "Denkspielen für alle von 8 bis 88.    Die legendären Torvik Games warten auf Dich.");
}

QString ScrollBanner::TextFor(Language language) {
    return Pick(
        language,
        QString::fromUtf8("Klicke hier um die Torvik Games Homepage zu besuchen.     Die Torvik Games - eine "
                          "Reihe von Denkspielen für alle von 8 bis 88.     Die legendären Torvik Games "
                          "warten auf Dich.     "),
        QStringLiteral(
            "Click here do visit the Torvik Bytes Homepage.     The Torvik Games - a series of non "
            "violent games for everyone between 8 and 88.     The legendary Torvik Games are "
            "waiting for you.     "));
}

ScrollBanner::ScrollBanner(QWidget* parent) : QWidget(parent), text(InitialText()) {
    setObjectName(QStringLiteral("tvbScroll"));
    setAccessibleName(text.simplified());
    setFont(BannerFont());
    setCursor(Qt::PointingHandCursor);
    // Every frame covers the whole strip, so nothing beneath it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer.setInterval(IntervalMs);
    connect(&timer, &QTimer::timeout, this, &ScrollBanner::Tick);
}

ScrollBanner::~ScrollBanner() {
    StopScrolling();
}

void ScrollBanner::SetText(const QString& newText) {
    if (newText == text) return;
    text = newText;
    // A screen reader reads the whole text at once rather than the part scrolled into view.
    setAccessibleName(text.simplified());
    Remeasure();
}

void ScrollBanner::ApplyLanguage(Language language) {
    SetText(TextFor(language));
    setAccessibleDescription(Pick(language, QStringLiteral("Ein Klick öffnet die Homepage von Torvik Bytes."),
                                  QStringLiteral("A click opens the Torvik Bytes homepage.")));
}

void ScrollBanner::StartScrolling() {
    counter = 0;
    DrawFrame();
    timer.start();
}

void ScrollBanner::StopScrolling() {
    timer.stop();
}

void ScrollBanner::Tick() {
    ++counter;
    DrawFrame();
    if (counter > StepsPerPass) counter = 0;
}

int ScrollBanner::TextWidth() {
    EnsureMeasured();
    return textWidth;
}

void ScrollBanner::Remeasure() {
    measured = false;
    DrawFrame();
}

void ScrollBanner::EnsureMeasured() {
    if (measured) return;
    measured = true;
    const QFontMetrics metrics(font());
    textWidth = metrics.horizontalAdvance(text);
    lineHeight = metrics.height();
    line = QImage(qMax(textWidth, 1), qMax(lineHeight, 1), QImage::Format_RGB32);
    line.fill(Qt::black);
    QPainter painter(&line);
    painter.setFont(font());
    painter.setPen(QColor::fromRgb(TextColour));
    painter.drawText(0, metrics.ascent(), text);
}

void ScrollBanner::DrawFrame() {
    const int w = width();
    const int h = height();
    if (frame.size() != QSize(w, h)) frame = QImage(qMax(w, 1), qMax(h, 1), QImage::Format_RGB32);
    frame.fill(Qt::black);
    // Step 0 puts any text just beyond the right edge: the window can show before a single font
    // is loaded.
    if (counter != 0) EnsureMeasured();
    const int x = TextLeft(counter, textWidth, w);
    if (x < w && x + textWidth > 0) {
        QPainter painter(&frame);
        painter.drawImage(x, TextTop(h, lineHeight), line);
    }
    update();
}

void ScrollBanner::paintEvent(QPaintEvent*) {
    // Shows the frame of the current step without advancing it.
    QPainter painter(this);
    painter.drawImage(0, 0, frame);
}

void ScrollBanner::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DrawFrame();
}

void ScrollBanner::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) Remeasure();
}

void ScrollBanner::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed = true;
    event->accept();
}

void ScrollBanner::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool click = pressed && rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click) emit Clicked();
}
