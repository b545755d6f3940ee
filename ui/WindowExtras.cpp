#include "ui/WindowExtras.h"

#include "game/Board.h"
#include "game/GameFlow.h"
#include "ui/BoardAccessible.h"
#include "ui/DealNumberDialog.h"
#include "ui/KeyControl.h"
#include "ui/MainDialogs.h"
#include "ui/SmallDialog.h"
#include "ui/ZoomController.h"

WindowExtras::WindowExtras(const Parts& parts)
    : window(parts.window),
      board(parts.board),
      flow(parts.flow),
      dialogs(parts.dialogs),
      language(parts.language),
      boardReading(new BoardAccessible(parts.boardView, parts.board, parts.language)),
      zoom(std::make_unique<ZoomController>(parts.window, parts.design, parts.store)) {
    KeyControl& keys = parts.keys;
    keys.Keys().SetCursorListener(
        [reading = boardReading](int column, int row) { reading->CursorMoved(column, row); });
    keys.Bind(QKeySequence(Qt::CTRL | Qt::Key_D), [this] { AskDealNumber(); });
    // Plus is shifted on many keyboards and shares its key with = on others.
    for (const QKeySequence& in :
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus),
          QKeySequence(Qt::CTRL | Qt::Key_Equal)}) {
        keys.Bind(in, [this] { zoom->Step(1); });
    }
    keys.Bind(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoom->Step(-1); });
    keys.Bind(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoom->Reset(); });
    keys.Bind(QKeySequence(Qt::Key_F11), [this] { zoom->ToggleFullScreen(); });
}

WindowExtras::~WindowExtras() = default;

void WindowExtras::ApplyTexts() {
    qtTexts.Follow(language);
}

void WindowExtras::AskDealNumber() {
    if (dealDialog == nullptr) dealDialog = new DealNumberDialog(&window, language);
    dealDialog->SetNumber(board.DealSeed());
    if (dialogs.Run(*dealDialog) != SmallDialog::ResultOk) return;
    if (const std::optional<std::uint32_t> number = dealDialog->Number()) flow.PlayDeal(*number);
}
