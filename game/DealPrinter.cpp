#include "game/DealPrinter.h"

#include <QStringList>

#include "game/HeadlessGame.h"

QString CardToken(int suit, int rank) {
    static const char ranks[] = "A23456789TJQK";
    static const char suits[] = "csdh";
    return QString(QChar::fromLatin1(ranks[rank - 1])) + QChar::fromLatin1(suits[suit]);
}

QString DealText(std::uint32_t seed) {
    const HeadlessGame game(seed);
    QStringList lines;
    for (int row = 0; row < Board::Rows; ++row) {
        QStringList tokens;
        for (int column = 0; column < Board::Columns; ++column) {
            const CardPile& place = game.GetBoard().Place(column, row);
            tokens << (place.Count() == 0 ? QStringLiteral("--") : CardToken(place.TopSuit(), place.TopRank()));
        }
        lines << tokens.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
