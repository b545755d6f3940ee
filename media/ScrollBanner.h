#pragma once

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "base/Language.h"

// The one-line text strip that scrolls from right to left along the bottom of the main window,
// without end. A pass takes StepsPerPass + 1 timer ticks whatever the text, so a longer text moves
// faster. Each tick draws the whole frame into an off-screen image and puts it on the screen in
// one copy; nothing outside the strip is drawn. The timer runs on the user-interface thread: a
// busy wait there freezes the strip, which then goes on from the same step without catching up.
class ScrollBanner : public QWidget {
    Q_OBJECT

public:
    static constexpr int StepsPerPass = 1500;
    static constexpr int IntervalMs = 100;
    // 0x80FFFF as a colour reference (red in the low byte): a light yellow.
    static constexpr QRgb TextColour = 0xFFFFFF80;

    // Left edge of the text for a step: the nearest integer to (T + W) * (1 - step / 1500), halves
    // to even, minus T. Step 0 puts the text just beyond the right edge, step 1500 just beyond
    // the left one.
    static int TextLeft(int counter, int textWidth, int stripWidth);
    // Top edge of a line of the given height, centred with the fraction dropped; 0 if too high.
    static int TextTop(int stripHeight, int lineHeight);

    // The text that scrolls from creation until a language is first applied.
    static QString InitialText();
    static QString TextFor(Language language);

    explicit ScrollBanner(QWidget* parent = nullptr);
    ~ScrollBanner() override;

    // Replaces the text and redraws at once; the step is kept, so the text jumps to where the
    // current step puts a text of the new width.
    void SetText(const QString& text);
    QString Text() const { return text; }
    void ApplyLanguage(Language language);

    // Back to step 0, draws the first frame and starts the timer.
    void StartScrolling();
    void StopScrolling();
    bool IsScrolling() const { return timer.isActive(); }

    // One timer step: advance, draw, and after the last frame of a pass start again.
    void Tick();
    int Counter() const { return counter; }
    int TextWidth();
    // The frame last drawn, as it is on the screen.
    const QImage& Frame() const { return frame; }

signals:
    // A primary-button click: pressed and released on the strip.
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Lays the text out once per text or font, when a frame first shows it; frames only copy it.
    void Remeasure();
    void EnsureMeasured();
    void DrawFrame();

    QString text;
    bool measured = false;
    QTimer timer;
    int counter = 0;
    int textWidth = 0;
    int lineHeight = 0;
    QImage line;
    QImage frame;
    bool pressed = false;
};
