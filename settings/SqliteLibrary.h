#pragma once

#include <sqlite3.h>

// The functions of the system's SQLite library the record uses, loaded at the record's first use
// rather than linked: a start of the game then maps nothing of it, as with the sound module.
struct SqliteLibrary {
    decltype(&sqlite3_open_v2) open_v2;
    decltype(&sqlite3_close_v2) close_v2;
    decltype(&sqlite3_busy_timeout) busy_timeout;
    decltype(&sqlite3_exec) exec;
    decltype(&sqlite3_prepare_v2) prepare_v2;
    decltype(&sqlite3_finalize) finalize;
    decltype(&sqlite3_step) step;
    decltype(&sqlite3_bind_int) bind_int;
    decltype(&sqlite3_bind_int64) bind_int64;
    decltype(&sqlite3_bind_text) bind_text;
    decltype(&sqlite3_column_int) column_int;
    decltype(&sqlite3_column_int64) column_int64;
    decltype(&sqlite3_column_text) column_text;
    decltype(&sqlite3_errmsg) errmsg;

    // Loaded once; nothing when the library or one of its functions cannot be had.
    static const SqliteLibrary* Get();
};
