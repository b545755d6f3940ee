#pragma once

#include <QString>

#include "base/Language.h"
#include "settings/GameRecord.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QLabel;

// Tells the player, once, that the record of past deals had to be set aside or cannot be added to.
class RecordNotice : public SmallDialog {
    Q_OBJECT

public:
    RecordNotice(QWidget* mainWindow, const Language& language);

    void SetTrouble(GameRecord::Trouble trouble, const QString& detail);
    QString Message() const;

protected:
    void FormActivate() override;

private:
    const Language& currentLanguage;
    GameRecord::Trouble trouble = GameRecord::Trouble::SetAside;
    QString detail;
    QLabel* Label1;
    GlyphButton* OKBtn;
};
