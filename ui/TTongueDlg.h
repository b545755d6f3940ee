#pragma once

#include "base/Language.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QFrame;
class QLabel;

// Lets the player choose the language. It shows both languages side by side, so nothing in it
// changes with the choice; closing it without an answer leaves the language as it was.
class TTongueDlg : public SmallDialog {
    Q_OBJECT

public:
    explicit TTongueDlg(QWidget* mainWindow, Language& language);

protected:
    void FormActivate() override;

private:
    void EnglishBtnClick();
    void GermanBtnClick();

    Language& currentLanguage;
    QFrame* Bevel1;
    QLabel* Image4;
    GlyphButton* EnglishBtn;
    GlyphButton* GermanBtn;
};
