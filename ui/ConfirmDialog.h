#pragma once

#include <QRect>
#include <QString>

#include "base/Language.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QFrame;
class QLabel;

// The question box behind the give-up and quit confirmations: the main window's icon, a bold
// question, a Yes button with its own glyph and a No button that also answers Esc.
class ConfirmDialog : public SmallDialog {
    Q_OBJECT

public:
    ConfirmDialog(QWidget* mainWindow, const Language& language, QRect questionGeometry,
                  const QString& yesGlyph);

protected:
    const Language& currentLanguage;
    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    GlyphButton* OKBtn;
    GlyphButton* CancelBtn;
};
