#pragma once

#include "ui/ConfirmDialog.h"

// Asks before a deal in play is given up for a new or a replayed one; only Yes goes on.
class TGiveUpDlg : public ConfirmDialog {
    Q_OBJECT

public:
    explicit TGiveUpDlg(QWidget* mainWindow, const Language& language);

protected:
    void FormActivate() override;
};
