#pragma once

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QDialog;
class QFrame;
class QLabel;
class QWidget;

// The look shared by the small dialogs: the old form font, the button-face background, fixed
// frames and the controls they are built from, all placed at absolute client coordinates.

// Maps the form font's family onto a metric-compatible one the desktop has. Called once at start,
// before any window exists.
void InstallFontSubstitutions();

// "MS Sans Serif" at 11 pixels, not scaled with the screen resolution.
QFont FormFont();

enum class BevelKind { Etched, Sunken, Line };

// Fixed client size, fixed frame with a close box only, form font, button-face background.
void ApplyDialogLook(QDialog& dialog, const QString& title, int width, int height);

QFrame* MakeBevel(QWidget* parent, const QString& name, QRect geometry, BevelKind kind);

// A plain label at a fixed place; word wrap and alignment are the caller's.
QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry);

// A picture control; shows nothing until given a pixmap.
QLabel* MakeImage(QWidget* parent, const QString& name, QRect geometry);

// Shows the icon of the given window, scaled to the picture control's size.
void ShowWindowIcon(QLabel& image, const QWidget& window);

// A button glyph from the resources with an optional greyed twin for the disabled state. A
// missing picture gives an empty icon, so a button simply shows no glyph.
QIcon LoadGlyph(const QString& path, const QString& disabledPath = QString());

// The OK and Cancel glyphs of the dialog buttons, each with its greyed twin.
QIcon OkGlyph();
QIcon CancelGlyph();
