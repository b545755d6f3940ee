#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "base/DealResult.h"
#include "base/Language.h"
#include "game/DealTally.h"
#include "settings/GameRecord.h"

class Board;
class MainDialogs;
class QWidget;
class RecordNotice;

// Writes every counted deal to the player's record in the step that counts it, with what the
// tally saw of it. Trouble with the record file is told once, in a notice, unless the program is
// ending without questions.
class DealRecorder {
public:
    DealRecorder(QWidget& window, const Board& board, MainDialogs& dialogs, const Language& language);
    ~DealRecorder();
    DealRecorder(const DealRecorder&) = delete;
    DealRecorder& operator=(const DealRecorder&) = delete;

    DealTally& Tally() { return tally; }
    const DealTally& Tally() const { return tally; }
    GameRecord& Record() { return record; }

    // Whether the round in play is known to be lost; asked when a deal with no reshuffle left is
    // given up, which then goes down as lost.
    void SetRoundLostTest(std::function<bool()> test) { roundLost = std::move(test); }
    // The program is closing: the deal in play, if counted now, ended this way.
    void Ending(DealResult how) { ending = how; }
    // The statistics just counted the deal in play.
    void Counted();

private:
    DealResult ResultNow() const;
    void Tell(GameRecord::Trouble trouble, const QString& detail);

    QWidget& window;
    const Board& board;
    MainDialogs& dialogs;
    const Language& language;
    DealTally tally;
    GameRecord record;
    std::function<bool()> roundLost;
    std::optional<DealResult> ending;
    // Made when first needed, with the window as its parent.
    RecordNotice* notice = nullptr;
};
