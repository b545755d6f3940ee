#include <gtest/gtest.h>

#include "StoreFixture.h"
#include "game/BoardTestUtil.h"
#include "game/GameFlow.h"
#include "game/RecordingHost.h"
#include "settings/SettingsKeys.h"
#include "settings/StatisticsModel.h"
#include "settings/SwitchesModel.h"

namespace {

// The game plays on the session's models alone: deals, reshuffles and counting reach the store
// with no dialog made, and the switches the player chose steer the play.
using PlayModelsTest = StoreFixture;

TEST_F(PlayModelsTest, WholeDealsCountIntoTheStoreAndTheSwitchesSteerThePlay) {
    const SettingsStore store = Store();
    store.WriteInteger(SettingKey::TotalWon, 4);
    {
        StatisticsModel statistics(store);
        SwitchesModel switches(store);
        RecordingHost host;
        Board board(host, host, host, switches.Switches(), host.generator);
        GameFlow flow(board, host, host, host, statistics.Stats());
        flow.SetCountListener([&] { statistics.Counted(); });
        EXPECT_EQ(statistics.Stats().totalWon, 4);

        // The stored default slides the aces of a deal home, which takes the clock's time.
        host.generator.GeneratorSeed = 17;
        auto readsBefore = host.clock.reads;
        flow.NewGame();
        const auto slidingReads = host.clock.reads - readsBefore;
        board.Reshuffle();
        board.Reshuffle();
        EXPECT_EQ(board.ReshufflesLeft(), 0);
        EXPECT_FALSE(host.reshuffleEnabled);
        board.SetState(GameState::Started);
        flow.NewGame();  // gives the started deal up
        EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 1) << "a loss is stored when it is counted";

        switches.Choose(MoveSwitches{false, false});
        readsBefore = host.clock.reads;
        flow.NewGame();
        EXPECT_LT((host.clock.reads - readsBefore) * 10, slidingReads) << "the aces jump home";
        LayWonBoard(board);
        flow.DealWon();
        EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), 5) << "a win is stored when it is counted";
        EXPECT_EQ(statistics.Stats().sinceStartWon, 1);
        EXPECT_EQ(statistics.Stats().sinceStartLost, 1);
    }
    SwitchesModel again(store);
    EXPECT_FALSE(again.Switches().showMoves);
    EXPECT_FALSE(again.Switches().slide);
    EXPECT_EQ(StatisticsModel(store).Stats().totalLost, 1);
}

}  // namespace
