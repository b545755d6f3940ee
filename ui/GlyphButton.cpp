#include "ui/GlyphButton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/PixelArt.h"

GlyphButton::GlyphButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(true);
    setFocusPolicy(Qt::StrongFocus);
}

GlyphButton* GlyphButton::Make(QWidget* parent, const QString& name, QRect geometry, const QIcon& glyph) {
    auto* button = new GlyphButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->SetGlyph(glyph);
    return button;
}

void GlyphButton::SetGlyph(const QIcon& glyph) {
    setIcon(glyph);
    setIconSize(glyph.isNull() ? QSize() : glyph.actualSize(QSize(256, 256)));
    update();
}

void GlyphButton::SetMargin(int newMargin) {
    margin = newMargin;
    update();
}

QSize GlyphButton::GlyphSize() const {
    return icon().isNull() ? QSize() : iconSize();
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    // The style draws the face and the focus cue; glyph and caption are placed here so that the
    // glyph keeps its own size and the margin rule of the old buttons holds.
    QStyleOptionButton face = option;
    face.text.clear();
    face.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, face);

    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    int shift = 0;
    if (isDown() || isChecked()) {
        shift = style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this);
        content.translate(shift, style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }

    const QSize glyphSize = GlyphSize();
    const QString caption = text();
    const int captionWidth = caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption);
    const int gap = glyphSize.isEmpty() || caption.isEmpty() ? 0 : spacing;
    int x = margin < 0 ? content.left() + (content.width() - (glyphSize.width() + gap + captionWidth)) / 2
                       : margin + shift;

    if (!glyphSize.isEmpty()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        // The glyph's own pixels, enlarged by whole numbers only on a denser screen.
        const QPixmap glyph = CrispPixmap(icon().pixmap(glyphSize, 1.0, mode), devicePixelRatioF());
        const int y = content.top() + (content.height() - glyphSize.height()) / 2;
        painter.drawPixmap(x, y, glyph);
        x += glyphSize.width() + gap;
    }
    if (!caption.isEmpty()) {
        const QRect captionRect(x, content.top(), captionWidth, content.height());
        style()->drawItemText(&painter, captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                              option.palette, isEnabled(), caption, QPalette::ButtonText);
    }

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void GlyphButton::keyPressEvent(QKeyEvent* event) {
    if (!autoDefault() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
