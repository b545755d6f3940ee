#pragma once

#include "base/Language.h"
#include "media/LinkLabel.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QFrame;
class QLabel;
class QPlainTextEdit;

// The about box: product line, the maker's address with mail and web links, the membership of
// the authors' association and the terms of use in the player's language.
class TFreewareDlg : public SmallDialog {
    Q_OBJECT

public:
    // The opener serves both links; without one they go to the desktop's default handler.
    explicit TFreewareDlg(QWidget* mainWindow, const Language& language, LinkLabel::Opener opener = {});

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPlainTextEdit* MakeMemo(const QString& name, const QString& text);
    // Puts in the pictures, sizes the labels to their texts and lays out the memos. Done at the
    // first showing: text layout loads the fonts, and neither they nor the pictures should hold up
    // the main window's first appearance.
    void LayOutTexts();
    // Names and descriptions a screen reader reads, in the current language.
    void DescribeForScreenReaders();

    const Language& currentLanguage;
    bool textsLaidOut = false;
    QFrame* Bevel1;
    QLabel* Image4;
    QLabel* progname;
    QFrame* Bevel3;
    QLabel* Image1;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label13;
    LinkLabel* LMDSimpleLabel1;
    QLabel* Label8;
    LinkLabel* LMDSimpleLabel2;
    QFrame* Bevel2;
    QLabel* Image5;
    QLabel* memberlabel;
    GlyphButton* OKBtn;
    QPlainTextEdit* Memodeu = nullptr;
    QPlainTextEdit* Memoeng = nullptr;
};
