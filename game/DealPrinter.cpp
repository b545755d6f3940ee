#include "game/DealPrinter.h"

#include <QStringList>

#include "rules/Dealing.h"

QString CardToken(int suit, int rank) {
    static const char ranks[] = "A23456789TJQK";
    static const char suits[] = "csdh";
    return QString(QChar::fromLatin1(ranks[rank - 1])) + QChar::fromLatin1(suits[suit]);
}

QString DealText(std::uint32_t seed) {
    GameRandom random(seed);
    const Position deal = DealPosition(random);
    QStringList lines;
    for (int row = 0; row < Position::Rows; ++row) {
        QStringList tokens;
        for (int column = 0; column < Position::Columns; ++column) {
            const std::uint8_t card = deal.At(column, row);
            tokens << (card == 0 ? QStringLiteral("--")
                                 : CardToken(Position::Suit(card), Position::Rank(card)));
        }
        lines << tokens.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
