#include <gtest/gtest.h>

#include <QStringList>

#include "ScopedSeed.h"
#include "app/SolverCommands.h"
#include "cards/Random.h"
#include "game/Board.h"
#include "game/DealPrinter.h"
#include "game/RecordingHost.h"

namespace {

// Replays the printed line on a real board: each move must pass the gap rule, each reshuffle must
// be one the board allows, and the last line must tell the board's own verdict.
void ExpectLineReplays(std::uint32_t deal, const QString& text, int& reshuffles) {
    RecordingHost host;
    Board board(host);
    const ScopedSeed seeded(deal);
    board.Deal();
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line == QLatin1String("reshuffle")) {
            ASSERT_GT(board.ReshufflesLeft(), 0) << "deal " << deal << " line " << i;
            board.Reshuffle();
            ++reshuffles;
            continue;
        }
        const QStringList words = line.split(QLatin1Char(' '));
        ASSERT_EQ(words.size(), 3) << line.toStdString();
        bool found = false;
        for (int column = 1; column < Board::Columns && !found; ++column) {
            for (int row = 0; row < Board::Rows && !found; ++row) {
                const CardPile& place = board.Place(column, row);
                if (place.Count() == 0 || CardToken(place.TopSuit(), place.TopRank()) != words[0]) continue;
                found = true;
                const int toColumn = words[1].toInt();
                const int toRow = words[2].toInt();
                const int suit = place.TopSuit();
                const int rank = place.TopRank();
                board.Place(column, row).TakeTop(board.Hand());
                ASSERT_TRUE(board.MayPlace(suit, rank, toColumn, toRow)) << "deal " << deal << ": " << line.toStdString();
                board.Place(toColumn, toRow).MoveOnto(nullptr, board.Hand(), false);
            }
        }
        ASSERT_TRUE(found) << "deal " << deal << ": " << line.toStdString();
    }
    EXPECT_EQ(lines.back(), board.IsWon() ? QStringLiteral("won") : QStringLiteral("lost")) << "deal " << deal;
}

TEST(SolveCommand, EveryPrintedLineReplaysOnTheBoardToTheStatedEnd) {
    FairPlayer::Options options;
    options.maxPositions = 200'000;
    options.reshufflePositions = 100'000;
    options.timePerRound = std::chrono::milliseconds(600'000);
    int won = 0;
    int reshuffles = 0;
    for (const std::uint32_t deal : {1u, 2u, 4u, 7u}) {
        const QString text = SolveText(deal, options);
        won += text.endsWith(QLatin1String("won\n"));
        ExpectLineReplays(deal, text, reshuffles);
    }
    // Wins with and without reshuffles both took part.
    EXPECT_GE(won, 3);
    EXPECT_GE(reshuffles, 1);
}

}  // namespace
