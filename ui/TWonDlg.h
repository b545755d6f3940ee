#pragma once

#include "base/Language.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QFrame;
class QLabel;

// Congratulates on a won deal. It has no cancel button, so Esc does nothing.
class TWonDlg : public SmallDialog {
    Q_OBJECT

public:
    explicit TWonDlg(QWidget* mainWindow, const Language& language);

protected:
    void FormActivate() override;

private:
    const Language& currentLanguage;
    QFrame* Bevel1;
    QLabel* Image1;
    QLabel* Label1;
    GlyphButton* OKBtn;
};
