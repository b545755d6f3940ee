#pragma once

#include "ui/ConfirmDialog.h"

// Asks before the program ends; only Yes lets the main window close.
class TEndGameDlg : public ConfirmDialog {
    Q_OBJECT

public:
    explicit TEndGameDlg(QWidget* mainWindow, const Language& language);

protected:
    void FormActivate() override;
};
