#include "ui/RecordViews.h"

#include <QWidget>

#include "game/Board.h"
#include "game/GameFlow.h"
#include "settings/SettingsStore.h"
#include "ui/DealRecorder.h"
#include "ui/HistoryWindow.h"
#include "ui/KeyControl.h"
#include "ui/MainDialogs.h"
#include "ui/WinningHint.h"

RecordViews::RecordViews(const Parts& parts)
    : window(parts.window),
      banner(parts.banner),
      board(parts.board),
      flow(parts.flow),
      dialogs(parts.dialogs),
      store(parts.store),
      language(parts.language),
      recorder(parts.recorder),
      hint(parts.hint) {
    recorder.SetRoundLostTest([this] { return RoundWord() == StatusStrip::RoundWord::Lost; });
    parts.keys.Bind(QKeySequence(Qt::CTRL | Qt::Key_H), [this] { ShowHistory(); });
    parts.keys.Bind(QKeySequence(Qt::CTRL | Qt::Key_B), [this] { ToggleStatusLine(); });
}

void RecordViews::FirstShown() {
    if (store.ReadBool(SettingKey::StatusLine)) ShowStatusLine(true);
}

void RecordViews::ShowHistory() {
    if (history == nullptr) history = new HistoryWindow(&window, language, recorder.Record());
    // A file that has to be set aside is told of before the window opens, not from inside it.
    recorder.Record().ReadOnly();
    if (dialogs.Run(*history) != HistoryWindow::ResultPlay) return;
    // The same way as a number typed after Ctrl+D: the deal in play is given up first, if the
    // player agrees.
    if (const std::optional<std::uint32_t> deal = history->ChosenDeal()) flow.PlayDeal(*deal);
}

bool RecordViews::StatusLineOn() const {
    return strip != nullptr && strip->isVisible();
}

void RecordViews::ToggleStatusLine() {
    const bool on = !StatusLineOn();
    ShowStatusLine(on);
    store.WriteBool(SettingKey::StatusLine, on);
}

void RecordViews::ShowStatusLine(bool on) {
    if (on && strip == nullptr) strip = new StatusStrip(&window, language, [this] { return Facts(); });
    if (strip == nullptr) return;
    if (on) {
        strip->setGeometry(banner.geometry());
        strip->show();
        strip->raise();
    } else {
        strip->hide();
    }
    banner.setVisible(!on);
}

StatusStrip::Facts RecordViews::Facts() const {
    StatusStrip::Facts facts;
    const DealTally& tally = recorder.Tally();
    facts.inPlay = board.State() != GameState::Over && tally.Dealt();
    facts.deal = board.DealSeed();
    facts.reshufflesLeft = board.ReshufflesLeft();
    facts.moves = tally.Moves();
    facts.elapsedMs = DealTally::NowMs() - tally.StartedMs();
    facts.word = RoundWord();
    return facts;
}

StatusStrip::RoundWord RecordViews::RoundWord() const {
    const std::optional<SolveStatus> verdict = hint.Verdict();
    if (verdict == SolveStatus::Solved) return StatusStrip::RoundWord::Winnable;
    if (verdict != SolveStatus::NoSolution) return StatusStrip::RoundWord::Unknown;
    return board.ReshufflesLeft() > 0 ? StatusStrip::RoundWord::NeedsReshuffle : StatusStrip::RoundWord::Lost;
}
