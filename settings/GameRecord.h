#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "settings/RecordRow.h"

struct sqlite3;

// Every counted deal, one row each, in an SQLite file in the player's data folder. Nothing is
// opened until the first row is added or read, so the record costs a start of the game nothing.
//
// Several running copies write the same file: it runs in write-ahead mode and waits for a
// copy that holds the lock. A file that cannot be read as a record (damaged, or held locked far
// too long) is set aside under a dated name beside it, never deleted, and a new one is begun; the
// reporter hears of it once per run. A file made by a newer version of the game, which says so in
// its schema version, is read but never written.
class GameRecord {
public:
    enum class Trouble {
        // The file could not be used and was set aside; the detail is where it went.
        SetAside,
        // The file is a newer version's: this run's deals are not added to it.
        NewerVersion,
        // Neither the file nor a new one could be written; the detail is SQLite's word on it.
        Unwritable,
    };
    using Reporter = std::function<void(Trouble, const QString& detail)>;

    // The schema this version makes and writes.
    static constexpr int SchemaVersion = 1;

    explicit GameRecord(QString path, Reporter onTrouble = {});
    ~GameRecord();
    GameRecord(const GameRecord&) = delete;
    GameRecord& operator=(const GameRecord&) = delete;

    // $XDG_DATA_HOME/TorvikGames/TorvikVandrel.sqlite, or its default.
    static QString DefaultPath();

    // True when the row reached the file.
    bool Add(const RecordRow& row);
    // Every row, newest first.
    std::vector<RecordRow> Rows();
    // The file belongs to a newer version: rows are read, none written.
    bool ReadOnly();
    QString Path() const { return path; }
    // Where the last file set aside went; empty when none was.
    QString SetAsideAs() const { return setAside; }

private:
    enum class Opened { Usable, Unusable };
    bool Open();
    Opened TryOpen();
    // Makes the schema in a new file, or checks the one there.
    Opened Prepare();
    void Close();
    // Moves the file and its journal aside and starts afresh.
    bool StartAfresh();
    bool Insert(const RecordRow& row);
    bool Execute(const char* sql);
    void Report(Trouble trouble, const QString& detail);

    QString path;
    Reporter reporter;
    sqlite3* db = nullptr;
    bool readOnly = false;
    bool reported = false;
    QString setAside;
};
