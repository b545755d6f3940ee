#pragma once

#include <QPixmap>
#include <QWidget>

#include "base/Language.h"

class QAbstractButton;
class QToolButton;

// The strip along the top of the main window (`Panel1`): the nine flat picture buttons with their
// tooltips. It only reports clicks; the main window decides what they do.
class ToolStrip : public QWidget {
    Q_OBJECT

public:
    // What each button does; keys and tests find a button by its command.
    enum class Command { NewDeal, Replay, Reshuffle, Options, Statistics, Quit, Language, Help, About };

    explicit ToolStrip(QWidget* parent);

    QAbstractButton* Button(Command command) const;

    void ApplyTexts(Language language);
    void SetReshuffleEnabled(bool enabled);
    // The statistics button shows the current score picture.
    void SetScorePicture(const QPixmap& picture);

signals:
    void newDeal();
    void replay();
    void reshuffle();
    void options();
    void statistics();
    void quit();
    void language();
    void help();
    void about();

private:
    // The names and descriptions a screen reader reads, with each button's key.
    void ApplyAccessibleTexts(Language language);
    QToolButton* MakeButton(const char* name, int x, int width, const char* image, bool withDisabled);

    QToolButton* NewBtn;
    QToolButton* ResetBtn;
    QToolButton* MixBtn;
    QToolButton* OptionsBtn;
    QToolButton* StatisticBtn;
    QToolButton* ExitBtn;
    QToolButton* TongueBtn;
    QToolButton* HelpBtn;
    QToolButton* InfoBtn;
};
