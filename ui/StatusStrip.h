#pragma once

#include <QLabel>
#include <cstdint>
#include <functional>

#include "base/Language.h"

class QTimer;

// The thin strip the status key shows over the banner: the deal's number, the reshuffles left,
// the moves, the time in the deal and what the background search says of the round in play.
// It reads its facts when shown and then every half second, so it needs no word from the game.
class StatusStrip : public QLabel {
    Q_OBJECT

public:
    enum class RoundWord { Unknown, Winnable, NeedsReshuffle, Lost };
    struct Facts {
        // False before the first deal and after a deal ended.
        bool inPlay = false;
        std::uint32_t deal = 0;
        int reshufflesLeft = 0;
        int moves = 0;
        std::int64_t elapsedMs = 0;
        RoundWord word = RoundWord::Unknown;
    };
    using Source = std::function<Facts()>;

    StatusStrip(QWidget* window, const Language& language, Source source);

    void Refresh();
    static QString Text(const Facts& facts, Language language);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const Language& language;
    Source source;
    QTimer* ticker;
};
