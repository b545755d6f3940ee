#include "ui/DealRecorder.h"

#include "game/Board.h"
#include "ui/MainDialogs.h"
#include "ui/RecordNotice.h"

DealRecorder::DealRecorder(QWidget& windowRef, const Board& boardRef, MainDialogs& mainDialogs,
                           const Language& currentLanguage)
    : window(windowRef),
      board(boardRef),
      dialogs(mainDialogs),
      language(currentLanguage),
      tally(boardRef),
      record(GameRecord::DefaultPath(),
             [this](GameRecord::Trouble trouble, const QString& detail) { Tell(trouble, detail); }) {}

DealRecorder::~DealRecorder() = default;

DealResult DealRecorder::ResultNow() const {
    if (board.IsWon()) return DealResult::Won;
    if (ending) return *ending;
    if (board.ReshufflesLeft() == 0 && roundLost && roundLost()) return DealResult::Lost;
    return DealResult::GivenUp;
}

void DealRecorder::Counted() {
    RecordRow row;
    row.deal = tally.Dealt() ? tally.Deal() : board.DealSeed();
    row.endedMs = DealTally::NowMs();
    row.startedMs = tally.Dealt() ? tally.StartedMs() : row.endedMs;
    row.result = ResultNow();
    row.reshuffles = tally.ReshufflesUsed();
    row.moves = tally.Moves();
    row.undos = tally.Undos();
    row.hints = tally.Hints();
    row.language = language == Language::German ? QStringLiteral("de") : QStringLiteral("en");
    record.Add(row);
}

void DealRecorder::Tell(GameRecord::Trouble trouble, const QString& detail) {
    if (notice == nullptr) notice = new RecordNotice(&window, language);
    notice->SetTrouble(trouble, detail);
    // Ending without questions shows nothing; the file set aside is still there to find.
    if (ending == DealResult::QuietEnd) {
        qWarning("%s", qUtf8Printable(notice->Message()));
        return;
    }
    dialogs.Run(*notice);
}
