#include "ui/DialogLook.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>

#include "platform/EmbeddedImage.h"

void InstallFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QFont FormFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

void ApplyDialogLook(QDialog& dialog, const QString& title, int width, int height) {
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(width, height);
    dialog.setFont(FormFont());
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
    if (!title.isEmpty()) dialog.setWindowTitle(title);
}

QFrame* MakeBevel(QWidget* parent, const QString& name, QRect geometry, BevelKind kind) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(name);
    switch (kind) {
        case BevelKind::Etched:
            bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
            break;
        case BevelKind::Sunken:
            bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            break;
        case BevelKind::Line:
            bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            break;
    }
    bevel->setLineWidth(1);
    bevel->setGeometry(geometry);
    return bevel;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* MakeImage(QWidget* parent, const QString& name, QRect geometry) {
    QLabel* image = MakeLabel(parent, name, geometry);
    image->setScaledContents(false);
    return image;
}

void ShowWindowIcon(QLabel& image, const QWidget& window) {
    const QIcon icon = window.windowIcon();
    if (icon.isNull()) {
        image.clear();
        return;
    }
    image.setPixmap(
        icon.pixmap(image.size()).scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QIcon LoadGlyph(const QString& path, const QString& disabledPath) {
    const QPixmap normal = ReadEmbeddedPixmap(path);
    if (normal.isNull()) return {};
    QIcon icon(normal);
    if (!disabledPath.isEmpty()) {
        const QPixmap disabled = ReadEmbeddedPixmap(disabledPath);
        if (!disabled.isNull()) icon.addPixmap(disabled, QIcon::Disabled);
    }
    return icon;
}

QIcon OkGlyph() {
    return LoadGlyph(QStringLiteral(":/dialogs/ok.png"), QStringLiteral(":/dialogs/ok_disabled.png"));
}

QIcon CancelGlyph() {
    return LoadGlyph(QStringLiteral(":/dialogs/cancel.png"), QStringLiteral(":/dialogs/cancel_disabled.png"));
}
