#include <gtest/gtest.h>

#include "BoardTestUtil.h"
#include "RecordingHost.h"
#include "base/Statistics.h"
#include "game/GameFlow.h"

namespace {

class GameFlowTest : public ::testing::Test {
protected:
    GameFlowTest() : board(host), flow(board, host, host, host, statistics) {
        host.generator.GeneratorSeed = 555;
    }

    RecordingHost host;
    Statistics statistics;
    HostedBoard board;
    GameFlow flow;
};

TEST_F(GameFlowTest, FirstDealAndDealAfterAWinAskNothing) {
    flow.NewGame();
    EXPECT_EQ(host.giveUpQuestions, 0);
    EXPECT_EQ(board.State(), GameState::Dealt);
    board.SetState(GameState::Over);
    host.cues.clear();
    flow.NewGame();
    EXPECT_EQ(host.giveUpQuestions, 0);
    EXPECT_EQ(host.cues.front(), SoundCue::Deal) << "no give-up cue without a deal in play";
}

TEST_F(GameFlowTest, AnsweringNoKeepsTheDealAndCountsNothing) {
    flow.NewGame();
    board.SetState(GameState::Started);
    const QString dealt = Layout(board);
    host.giveUpAnswer = false;
    host.cues.clear();
    flow.NewGame();
    flow.ResetGame();
    EXPECT_EQ(host.giveUpQuestions, 2);
    EXPECT_EQ(Layout(board), dealt);
    EXPECT_TRUE(host.cues.empty());
    EXPECT_EQ(statistics.sinceStartLost, 0);
    EXPECT_EQ(board.State(), GameState::Started);
}

TEST_F(GameFlowTest, GivingUpAStartedDealCountsALossButAnUntouchedOneDoesNot) {
    flow.NewGame();
    flow.NewGame();  // given up while only dealt
    EXPECT_EQ(statistics.sinceStartLost, 0);
    board.SetState(GameState::Started);
    host.cues.clear();
    flow.NewGame();
    EXPECT_EQ(statistics.sinceStartLost, 1);
    EXPECT_EQ(statistics.totalLost, 1);
    EXPECT_EQ(host.cues.front(), SoundCue::GiveUp);
    EXPECT_EQ(host.cues[1], SoundCue::Deal);
}

TEST_F(GameFlowTest, ReplayRestoresTheDealCardForCard) {
    flow.NewGame();
    const QString dealt = Layout(board);
    board.Reshuffle();
    board.SetState(GameState::Started);
    flow.ResetGame();
    EXPECT_EQ(Layout(board), dealt);
    // Replay before any deal deals what a new deal would.
    RecordingHost otherHost;
    HostedBoard fresh(otherHost);
    GameFlow freshFlow(fresh, otherHost, otherHost, otherHost, statistics);
    fresh.SetDealSeed(4242);
    otherHost.generator.GeneratorSeed = 4242;
    freshFlow.ResetGame();
    const QString replayed = Layout(fresh);
    otherHost.generator.GeneratorSeed = 4242;
    fresh.Deal();
    EXPECT_EQ(Layout(fresh), replayed);
}

TEST_F(GameFlowTest, LeavingDuringAStartedDealCountsALoss) {
    flow.Leave();
    EXPECT_EQ(statistics.totalLost, 0);
    flow.NewGame();
    flow.Leave();
    EXPECT_EQ(statistics.totalLost, 0);
    board.SetState(GameState::Started);
    flow.Leave();
    EXPECT_EQ(statistics.totalLost, 1);
}

TEST(Statistics, SeriesAcrossLossesAndWins) {
    Statistics stats;
    stats.CountLost();
    stats.CountLost();
    stats.CountLost();
    EXPECT_EQ(stats.series, -3);
    EXPECT_EQ(stats.longestLost, 3);
    stats.CountWon();
    EXPECT_EQ(stats.series, 1);
    EXPECT_EQ(stats.longestLost, 3);
    EXPECT_EQ(stats.longestWon, 1);
    stats.CountWon();
    stats.CountLost();
    EXPECT_EQ(stats.series, -1);
    EXPECT_EQ(stats.longestWon, 2);
    EXPECT_EQ(stats.sinceStartWon, 2);
    EXPECT_EQ(stats.totalLost, 4);
}

TEST(Statistics, LongestRunsStoredEarlierAreKept) {
    Statistics stats;
    stats.longestWon = 9;
    stats.longestLost = 7;
    stats.CountWon();
    stats.CountLost();
    EXPECT_EQ(stats.longestWon, 9);
    EXPECT_EQ(stats.longestLost, 7);
}

TEST(Statistics, CountersStopAtTheTopInsteadOfTurningNegative) {
    Statistics stats;
    stats.totalWon = 2147483647;
    stats.CountWon();
    EXPECT_EQ(stats.totalWon, 2147483647);
}

TEST(Statistics, PercentIsTruncatedAndFacesFollowIt) {
    Statistics stats;
    EXPECT_EQ(stats.Percent(), 50);
    EXPECT_STREQ(Statistics::FaceFor(stats.Percent()), "b60");
    stats.CountWon();
    stats.CountWon();
    stats.CountLost();
    EXPECT_EQ(stats.Percent(), 66);
    EXPECT_STREQ(Statistics::FaceFor(100), "b100");
    EXPECT_STREQ(Statistics::FaceFor(80), "b100");
    EXPECT_STREQ(Statistics::FaceFor(79), "b80");
    EXPECT_STREQ(Statistics::FaceFor(60), "b80");
    EXPECT_STREQ(Statistics::FaceFor(40), "b60");
    EXPECT_STREQ(Statistics::FaceFor(39), "b40");
    EXPECT_STREQ(Statistics::FaceFor(20), "b40");
    EXPECT_STREQ(Statistics::FaceFor(19), "b20");
    EXPECT_STREQ(Statistics::FaceFor(0), "b20");
}

}  // namespace
