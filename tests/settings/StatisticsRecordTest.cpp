#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <vector>

#include "settings/SettingsStore.h"
#include "settings/StatisticsRecord.h"

namespace {

class StatisticsRecordTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    SettingsStore store = SettingsStore::AtFile(folder.filePath(QStringLiteral("store.ini")));
};

TEST_F(StatisticsRecordTest, CopiesCountingAtTheSameTimeLoseNoGame) {
    // Real processes, as two running copies of the game are: each reads the stored counters,
    // adds its game and writes them back, over and over, while the others do the same.
    constexpr int copies = 3;
    constexpr int gamesEach = 12;
    std::vector<pid_t> children;
    for (int copy = 0; copy < copies; ++copy) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Statistics statistics;
            StatisticsRecord record(store, statistics);
            record.Load();
            for (int game = 0; game < gamesEach; ++game) {
                if (game % 3 == 2) {
                    statistics.CountLost();
                } else {
                    statistics.CountWon();
                }
                record.Store();
            }
            _exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), copies * gamesEach * 2 / 3);
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), copies * gamesEach / 3);
    // Runs are each copy's own: two wins, then a loss, in every copy.
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestWon), 2);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestLost), 1);
}

TEST_F(StatisticsRecordTest, AResetInOneCopyHoldsAgainstTheOthersEarlierGames) {
    Statistics first;
    Statistics second;
    StatisticsRecord firstRecord(store, first);
    StatisticsRecord secondRecord(store, second);
    firstRecord.Load();
    secondRecord.Load();
    for (int i = 0; i < 3; ++i) {
        first.CountWon();
        firstRecord.Store();
    }
    second.CountLost();
    secondRecord.Store();
    EXPECT_EQ(second.totalWon, 3) << "a copy shows the others' games once it stores its own";

    // The second copy resets, as its statistics dialog does: the record goes, its run stays.
    const std::int32_t run = second.series;
    second = Statistics{};
    second.series = run;
    secondRecord.Reset();
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), 0);

    // The first copy's earlier games stay gone; its run of three wins comes back into the record
    // at its next game, as a run under way does after a reset in one copy.
    first.CountLost();
    firstRecord.Store();
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), 0);
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 1);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestWon), 3);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestLost), 1);
    EXPECT_EQ(first.totalWon, 0);
}

}  // namespace
