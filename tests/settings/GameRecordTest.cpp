#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "settings/GameRecord.h"

namespace {

RecordRow Row(std::uint32_t deal, DealResult result, std::int64_t ended) {
    RecordRow row;
    row.deal = deal;
    row.startedMs = ended - 60'000;
    row.endedMs = ended;
    row.result = result;
    row.reshuffles = 1;
    row.moves = 17;
    row.undos = 2;
    row.hints = 3;
    row.language = QStringLiteral("de");
    return row;
}

std::vector<std::uint32_t> Deals(const std::vector<RecordRow>& rows) {
    std::vector<std::uint32_t> deals;
    for (const RecordRow& row : rows) deals.push_back(row.deal);
    return deals;
}

// Runs one statement on the file as another program would.
void RunSql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

class GameRecordTest : public ::testing::Test {
protected:
    GameRecord::Reporter Listener() {
        return [this](GameRecord::Trouble trouble, const QString& detail) {
            told.emplace_back(trouble, detail);
        };
    }

    QTemporaryDir folder;
    QString path = folder.path() + QStringLiteral("/sub/TorvikVandrel.sqlite");
    std::vector<std::pair<GameRecord::Trouble, QString>> told;
};

}  // namespace

TEST_F(GameRecordTest, TwoCopiesOnOneFileBothRecordAndSeeEveryRow) {
    GameRecord first(path, Listener());
    GameRecord second(path, Listener());
    // Both open the file before either writes: neither may shut the other out.
    EXPECT_TRUE(first.Rows().empty());
    EXPECT_TRUE(second.Rows().empty());
    EXPECT_TRUE(first.Add(Row(11, DealResult::Won, 1000)));
    EXPECT_TRUE(second.Add(Row(22, DealResult::GivenUp, 2000)));
    EXPECT_TRUE(first.Add(Row(33, DealResult::QuietEnd, 3000)));
    const std::vector<std::uint32_t> newestFirst{33, 22, 11};
    EXPECT_EQ(Deals(first.Rows()), newestFirst);
    EXPECT_EQ(Deals(second.Rows()), newestFirst);
    RecordRow expected = Row(22, DealResult::GivenUp, 2000);
    expected.id = 2;
    EXPECT_EQ(second.Rows()[1], expected) << "every field comes back as written";
    EXPECT_TRUE(told.empty());
    EXPECT_FALSE(first.ReadOnly());
}

TEST_F(GameRecordTest, ADamagedFileIsSetAsideOnceAndANewOneTakesTheRow) {
    QDir().mkpath(folder.path() + QStringLiteral("/sub"));
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    const QByteArray garbage = QByteArray("SQLite format 3") + QByteArray(4096, '\x5a');
    damaged.write(garbage);
    damaged.close();

    GameRecord record(path, Listener());
    EXPECT_TRUE(record.Add(Row(7, DealResult::Lost, 500)));
    EXPECT_TRUE(record.Add(Row(8, DealResult::Won, 600)));
    EXPECT_EQ(Deals(record.Rows()), (std::vector<std::uint32_t>{8, 7}));
    ASSERT_EQ(told.size(), 1u) << "one notice";
    EXPECT_EQ(told[0].first, GameRecord::Trouble::SetAside);
    EXPECT_EQ(told[0].second, record.SetAsideAs());
    QFile aside(record.SetAsideAs());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly)) << "the damaged file is kept beside";
    EXPECT_EQ(aside.readAll(), garbage);
}

TEST_F(GameRecordTest, ANewerVersionsFileIsReadButNeverWritten) {
    {
        GameRecord older(path);
        ASSERT_TRUE(older.Add(Row(5, DealResult::Won, 100)));
    }
    RunSql(path, "PRAGMA user_version=2; ALTER TABLE deals ADD COLUMN score INTEGER");
    GameRecord record(path, Listener());
    EXPECT_TRUE(record.ReadOnly());
    EXPECT_FALSE(record.Add(Row(6, DealResult::Won, 200)));
    EXPECT_EQ(Deals(record.Rows()), std::vector<std::uint32_t>{5});
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, GameRecord::Trouble::NewerVersion);
    EXPECT_TRUE(record.SetAsideAs().isEmpty());
}
