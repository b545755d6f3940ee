#pragma once

#include <cstdint>
#include <optional>

#include "base/Language.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QLabel;
class QLineEdit;

// Ctrl+D: shows the number of the deal on the board and takes another one to play. Every deal
// has a number, the same the command line's --deal takes and the help tells players to pass on.
class DealNumberDialog : public SmallDialog {
    Q_OBJECT

public:
    DealNumberDialog(QWidget* mainWindow, const Language& language);

    // The number the dialog opens with.
    void SetNumber(std::uint32_t number);
    // What the player typed, when it is a deal number.
    std::optional<std::uint32_t> Number() const;

protected:
    void FormActivate() override;

private:
    const Language& currentLanguage;
    QLabel* Label1;
    QLineEdit* NumberEdit;
    GlyphButton* OKBtn;
    GlyphButton* CancelBtn;
};
