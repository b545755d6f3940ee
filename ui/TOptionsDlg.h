#pragma once

#include <cstdint>

#include "game/Language.h"
#include "settings/ChoiceRecorder.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class OptionsHost;
class QCheckBox;
class QColorDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QToolButton;
class SettingsStore;

// Lets the player choose the field and frame colours and switch the move display, the sliding
// and the sounds. It keeps the move display and sliding switches for the whole run, read from
// the store when it is made, stored as soon as the player changes them and, if that failed,
// again when it is destroyed, so it must go before the store does. The colours it works on are
// taken from the main window once: a colour chosen and then cancelled is still offered at the
// next showing.
class TOptionsDlg : public SmallDialog {
    Q_OBJECT

public:
    TOptionsDlg(QWidget* mainWindow, OptionsHost& host, const Language& language, const SettingsStore& store);
    ~TOptionsDlg() override;

    bool ShowMovesOn() const { return showMoves; }
    bool SlideOn() const { return slideOn; }
    std::uint32_t WorkingBackground() const { return workingBack; }
    std::uint32_t WorkingFrame() const { return workingFrame; }

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void ChangeMessages();
    // Tells a screen reader the colours the preview shows.
    void DescribePreview();
    void ColorBtnBClick();
    void ColorBtnFClick();
    // Offers the chooser preset with the colour; true when the player confirmed another one.
    bool ChooseColor(std::uint32_t& colorRef);
    void Paint();
    void SoundCheckClick();
    void OKBtnClick();

    OptionsHost& host;
    const Language& currentLanguage;
    ChoiceRecorder choices;
    bool showMoves = true;
    bool slideOn = true;
    std::uint32_t workingBack = 0x8000;
    std::uint32_t workingFrame = 0;

    QGroupBox* GroupBox3;
    QToolButton* ColorBtnB;
    QToolButton* ColorBtnF;
    QWidget* boxa;
    QFrame* Panel2;
    // The boxes are named "show" and "slide" like the switches they edit.
    QCheckBox* showBox;
    QCheckBox* slideBox;
    QCheckBox* SoundCheck;
    QLabel* Image1;
    GlyphButton* CancelBtn;
    GlyphButton* OKBtn;
    QColorDialog* ColorDlg = nullptr;
};
