#include "settings/GameRecord.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <memory>
#include <utility>

#include "settings/SqliteLibrary.h"

namespace {

// Only reached once Open() found the library.
const SqliteLibrary& Api() {
    return *SqliteLibrary::Get();
}

// Written into the file's header, so a file of ours is told from any other SQLite file.
constexpr int ApplicationId = 0x54564452;

// How long a write waits for another running copy that holds the file.
constexpr int BusyMilliseconds = 5000;

constexpr const char* Schema = R"sql(
CREATE TABLE IF NOT EXISTS deals (
    id INTEGER PRIMARY KEY,
    deal INTEGER NOT NULL,
    started INTEGER NOT NULL,
    ended INTEGER NOT NULL,
    result TEXT NOT NULL,
    reshuffles INTEGER NOT NULL,
    moves INTEGER NOT NULL,
    undos INTEGER NOT NULL,
    hints INTEGER NOT NULL,
    language TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS deals_by_end ON deals (ended);
)sql";

struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { Api().finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

Statement Compile(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    if (Api().prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        Api().finalize(statement);
        return nullptr;
    }
    return Statement(statement);
}

// The integer a one-value pragma gives, or nothing when the file cannot be read.
std::optional<int> PragmaValue(sqlite3* db, const char* sql) {
    const Statement statement = Compile(db, sql);
    if (!statement || Api().step(statement.get()) != SQLITE_ROW) return std::nullopt;
    return Api().column_int(statement.get(), 0);
}

QString Text(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(Api().column_text(statement, column));
    return text == nullptr ? QString() : QString::fromUtf8(text);
}

// Finished before anything is written: a statement left open would hold up the commit.
bool QuickCheckPasses(sqlite3* db) {
    const Statement check = Compile(db, "PRAGMA quick_check(1)");
    return check && Api().step(check.get()) == SQLITE_ROW && Text(check.get(), 0) == QLatin1String("ok");
}

}  // namespace

GameRecord::GameRecord(QString file, Reporter onTrouble)
    : path(std::move(file)), reporter(std::move(onTrouble)) {}

GameRecord::~GameRecord() {
    Close();
}

QString GameRecord::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/TorvikGames/TorvikVandrel.sqlite");
}

void GameRecord::Close() {
    if (db != nullptr) Api().close_v2(db);
    db = nullptr;
}

bool GameRecord::Execute(const char* sql) {
    return Api().exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void GameRecord::Report(Trouble trouble, const QString& detail) {
    if (reported) return;
    reported = true;
    if (reporter) {
        reporter(trouble, detail);
    } else {
        qWarning("game record %s: %d %s", qUtf8Printable(path), static_cast<int>(trouble),
                 qUtf8Printable(detail));
    }
}

bool GameRecord::Open() {
    if (db != nullptr) return true;
    if (SqliteLibrary::Get() == nullptr) {
        Report(Trouble::Unwritable, QStringLiteral("libsqlite3"));
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (TryOpen() == Opened::Usable) return true;
    return StartAfresh();
}

GameRecord::Opened GameRecord::TryOpen() {
    Close();
    readOnly = false;
    const QByteArray name = QFile::encodeName(path);
    if (Api().open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        // A file that cannot even be opened for writing may still be read.
        Close();
        if (Api().open_v2(name.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            Close();
            return Opened::Unusable;
        }
        readOnly = true;
    }
    Api().busy_timeout(db, BusyMilliseconds);
    return Prepare();
}

GameRecord::Opened GameRecord::Prepare() {
    const std::optional<int> version = PragmaValue(db, "PRAGMA user_version");
    if (!version) return Opened::Unusable;
    if (*version > SchemaVersion) {
        // A newer game's file: read what it holds, in the format of ours it kept, and leave it be.
        Close();
        if (Api().open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
            SQLITE_OK) {
            Close();
            return Opened::Unusable;
        }
        Api().busy_timeout(db, BusyMilliseconds);
        readOnly = true;
        Report(Trouble::NewerVersion, path);
        return Opened::Usable;
    }
    if (readOnly) return PragmaValue(db, "PRAGMA quick_check(1)") ? Opened::Usable : Opened::Unusable;
    const std::optional<int> id = PragmaValue(db, "PRAGMA application_id");
    if (!id || (*id != 0 && *id != ApplicationId)) return Opened::Unusable;
    // A damaged page shows here rather than in the middle of a game's count.
    if (!QuickCheckPasses(db)) return Opened::Unusable;
    if (!Execute("PRAGMA journal_mode=WAL") || !Execute("PRAGMA synchronous=FULL")) return Opened::Unusable;
    if (*version == SchemaVersion) return Opened::Usable;
    // Two copies making the file at once: the second finds the first's schema in place.
    if (!Execute("BEGIN IMMEDIATE")) return Opened::Unusable;
    const QByteArray make = QByteArray(Schema) + "PRAGMA user_version=" + QByteArray::number(SchemaVersion) +
                            ";PRAGMA application_id=" + QByteArray::number(ApplicationId) + ";";
    if (!Execute(make.constData()) || !Execute("COMMIT")) {
        Execute("ROLLBACK");
        return Opened::Unusable;
    }
    return Opened::Usable;
}

bool GameRecord::StartAfresh() {
    Close();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    // The journal goes with the file: left behind, it would be played into the new one.
    for (const QLatin1String suffix : {QLatin1String("-wal"), QLatin1String("-shm")}) {
        if (QFileInfo::exists(path + suffix)) QFile::rename(path + suffix, aside + suffix);
    }
    if (QFileInfo::exists(path) && !QFile::rename(path, aside)) {
        Report(Trouble::Unwritable, path);
        return false;
    }
    setAside = aside;
    // Told once the new file is in place: the notice may wait long for the player.
    const bool usable = TryOpen() == Opened::Usable;
    if (!usable) Close();
    Report(Trouble::SetAside, aside);
    return usable;
}

bool GameRecord::ReadOnly() {
    Open();
    return readOnly;
}

bool GameRecord::Insert(const RecordRow& row) {
    const Statement insert =
        Compile(db,
                "INSERT INTO deals (deal, started, ended, result, reshuffles, moves, undos, "
                "hints, language) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!insert) return false;
    sqlite3_stmt* s = insert.get();
    const std::string_view result = ResultName(row.result);
    const QByteArray language = row.language.toUtf8();
    Api().bind_int64(s, 1, row.deal);
    Api().bind_int64(s, 2, row.startedMs);
    Api().bind_int64(s, 3, row.endedMs);
    Api().bind_text(s, 4, result.data(), static_cast<int>(result.size()), SQLITE_STATIC);
    Api().bind_int(s, 5, row.reshuffles);
    Api().bind_int(s, 6, row.moves);
    Api().bind_int(s, 7, row.undos);
    Api().bind_int(s, 8, row.hints);
    Api().bind_text(s, 9, language.constData(), static_cast<int>(language.size()), SQLITE_STATIC);
    return Api().step(s) == SQLITE_DONE;
}

bool GameRecord::Add(const RecordRow& row) {
    if (!Open()) return false;
    if (readOnly) {
        // Said once: a newer version's file has been told of already.
        Report(Trouble::Unwritable, path);
        return false;
    }
    if (Insert(row)) return true;
    // The file went bad or stayed locked under a running game: the row goes into a new one.
    const QString why = QString::fromUtf8(Api().errmsg(db));
    if (!StartAfresh() || readOnly || !Insert(row)) {
        Report(Trouble::Unwritable, why);
        return false;
    }
    return true;
}

std::vector<RecordRow> GameRecord::Rows() {
    std::vector<RecordRow> rows;
    if (!Open()) return rows;
    const Statement select =
        Compile(db,
                "SELECT id, deal, started, ended, result, reshuffles, moves, undos, hints, "
                "language FROM deals ORDER BY ended DESC, id DESC");
    if (!select) return rows;
    sqlite3_stmt* s = select.get();
    while (Api().step(s) == SQLITE_ROW) {
        RecordRow row;
        row.id = Api().column_int64(s, 0);
        row.deal = static_cast<std::uint32_t>(Api().column_int64(s, 1));
        row.startedMs = Api().column_int64(s, 2);
        row.endedMs = Api().column_int64(s, 3);
        const QByteArray result = Text(s, 4).toUtf8();
        row.result =
            ResultNamed(std::string_view(result.constData(), static_cast<std::size_t>(result.size())))
                .value_or(DealResult::Lost);
        row.reshuffles = Api().column_int(s, 5);
        row.moves = Api().column_int(s, 6);
        row.undos = Api().column_int(s, 7);
        row.hints = Api().column_int(s, 8);
        row.language = Text(s, 9);
        rows.push_back(std::move(row));
    }
    return rows;
}
