#include "settings/SqliteLibrary.h"

#include <QLibrary>
#include <optional>

namespace {

template <typename Function>
bool Resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

std::optional<SqliteLibrary> Load() {
    // Never unloaded: the record may use it until the program ends.
    QLibrary library(QStringLiteral("sqlite3"), 0);
    if (!library.load()) {
        qWarning("the game record cannot load SQLite: %s", qUtf8Printable(library.errorString()));
        return std::nullopt;
    }
    SqliteLibrary api{};
    const bool all = Resolve(library, "sqlite3_open_v2", api.open_v2) &&
                     Resolve(library, "sqlite3_close_v2", api.close_v2) &&
                     Resolve(library, "sqlite3_busy_timeout", api.busy_timeout) &&
                     Resolve(library, "sqlite3_exec", api.exec) &&
                     Resolve(library, "sqlite3_prepare_v2", api.prepare_v2) &&
                     Resolve(library, "sqlite3_finalize", api.finalize) &&
                     Resolve(library, "sqlite3_step", api.step) &&
                     Resolve(library, "sqlite3_bind_int", api.bind_int) &&
                     Resolve(library, "sqlite3_bind_int64", api.bind_int64) &&
                     Resolve(library, "sqlite3_bind_text", api.bind_text) &&
                     Resolve(library, "sqlite3_column_int", api.column_int) &&
                     Resolve(library, "sqlite3_column_int64", api.column_int64) &&
                     Resolve(library, "sqlite3_column_text", api.column_text) &&
                     Resolve(library, "sqlite3_errmsg", api.errmsg);
    if (!all) return std::nullopt;
    return api;
}

}  // namespace

const SqliteLibrary* SqliteLibrary::Get() {
    static const std::optional<SqliteLibrary> loaded = Load();
    return loaded ? &*loaded : nullptr;
}
