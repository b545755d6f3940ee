#pragma once

#include <cstdint>

#include "base/Language.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class OptionsHost;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QToolButton;
class SwitchesModel;

// Lets the player choose the field and frame colours and switch the move display, the sliding
// and the sounds. The colours it works on are taken from the main window once: a colour chosen
// and then cancelled is still offered at the next showing.
class TOptionsDlg : public SmallDialog {
    Q_OBJECT

public:
    TOptionsDlg(QWidget* mainWindow, OptionsHost& host, const Language& language, SwitchesModel& switches);
    ~TOptionsDlg() override;

    std::uint32_t WorkingBackground() const { return workingBack; }
    std::uint32_t WorkingFrame() const { return workingFrame; }

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
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
    SwitchesModel& switches;
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
};
