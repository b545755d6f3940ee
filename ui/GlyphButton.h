#pragma once

#include <QIcon>
#include <QPushButton>
#include <QRect>
#include <QString>

// A push button that shows a picture beside its caption the way the old bitmap buttons did: the
// glyph at its natural size, and either glyph and caption centred together or the glyph at a
// fixed distance from the left edge with the caption after it. It keeps the dialog-button
// behaviour of QPushButton, so Enter presses it while it has the focus, also in a dialog that
// turns auto-default off to have no default button at all.
class GlyphButton : public QPushButton {
    Q_OBJECT

public:
    explicit GlyphButton(QWidget* parent);
    // A dialog button at a fixed place in its parent, named for lookups and tests.
    static GlyphButton* Make(QWidget* parent, const QString& name, QRect geometry, const QIcon& glyph);

    void SetGlyph(const QIcon& glyph);
    // Distance of the glyph from the left edge; a negative margin centres glyph and caption.
    void SetMargin(int margin);
    QSize GlyphSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int spacing = 4;

    int margin = -1;
};
