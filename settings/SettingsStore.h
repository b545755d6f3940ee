#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "settings/SettingsKeys.h"

class QLockFile;
class QSettings;

// The player's settings, statistics and window position, kept per user under
// "TorvikGames/TorvikVandrel", key "V1/<section>/<name>", every value as text and every
// number in plain decimal.
// Nothing is cached: every operation opens the store, does its one read or write and closes it
// again, so two running copies see each other's values. Each write replaces the file at once
// (lock, temporary file, rename) and changes only the values it names. A store reached through a
// symbolic link is written through it: the file it points to is the player's own.
// The store never throws. A damaged value or a failed write is handed to the reporter and the
// program goes on with the default, because aborting here would lose the rest of the data. A
// value that could not be written is held, read back as written, and goes to the store with the
// next write that succeeds, so a store that comes back loses nothing.
class SettingsStore {
public:
    // What went wrong, where and why, for the player's notice and the log.
    struct Failure {
        enum class Kind {
            // A value that is not text: its default is used.
            DamagedValue,
            // A write that did not reach the store: it is held for the next one.
            NotWritten,
            // A store no run of the game could have written was moved aside: `file` is where.
            SetAside,
        };
        enum class Cause {
            Unknown,
            FolderCannotBeMade,
            FolderReadOnly,
            FileReadOnly,
            FolderInPlaceOfFile,
            TooLarge,
            NotAFile,
        };
        Kind kind;
        Cause cause;
        // The value, or for a folder that cannot be made the section.
        QString name;
        QString file;

        // The wording of older versions, which the log keeps.
        QString Message() const;
    };
    using Reporter = std::function<void(const Failure&)>;

    // No run of the game writes a store a hundredth of this size; one larger than it is a
    // damaged or foreign file that would take minutes to read.
    static constexpr qint64 LargestStoreBytes = 64 * 1024;

    // The per-user native store; an empty reporter logs a warning.
    explicit SettingsStore(Reporter onError = {});

    // A store in one INI file at an explicit path, for tools and tests.
    static SettingsStore AtFile(const QString& path, Reporter onError = {});

    // Values by key, with the key's stored name and default.
    int ReadInteger(SettingKey key) const;
    bool ReadBool(SettingKey key) const;
    QString ReadText(SettingKey key) const;
    // A value that is missing or not an integer gives nothing.
    std::optional<int> ReadStoredInteger(SettingKey key) const;
    // Each write returns whether the value reached the store.
    bool WriteInteger(SettingKey key, int value) const;
    bool WriteBool(SettingKey key, bool value) const;
    bool WriteText(SettingKey key, const QString& value) const;
    // Several values in one replacement of the file: all of them reach the store, or none.
    bool WriteIntegers(const std::vector<std::pair<SettingKey, int>>& values) const;
    void DeleteRetired() const;

    // Holds the lock that makes a read and the write depending on it one step for every running
    // copy; nothing when the store is not a file or the lock cannot be had in time.
    std::unique_ptr<QLockFile> LockForUpdate() const;
    // Removes the temporary files a write killed halfway left beside the store. When there are
    // any, the store's own lock is held meanwhile, so no running copy is writing one of them.
    void RemoveStaleWrites() const;
    // Renames a store far larger than the game writes, or one that is not a plain file, beside
    // itself with the date, so that the run starts with the defaults; nothing is deleted. A store
    // reached through a link is moved where it lies and the link stays.
    void SetAsideIfAbsurd() const;

    int ReadInteger(const QString& section, const QString& name, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& name, bool defaultValue) const;
    QString ReadText(const QString& section, const QString& name, const QString& defaultValue) const;

    bool WriteInteger(const QString& section, const QString& name, int value) const;
    bool WriteBool(const QString& section, const QString& name, bool value) const;
    bool WriteText(const QString& section, const QString& name, const QString& value) const;

    // A missing value, or one that cannot be removed, is not worth a report.
    void DeleteValue(const QString& section, const QString& name) const;

    // Where the values live, for diagnostics.
    QString FileName() const;

    // A stored integer as a plain text-to-integer conversion reads it: an optional sign and
    // decimal digits, no blanks around them.
    static std::optional<int> ParseInteger(const QString& text);

private:
    SettingsStore(QString path, Reporter onError);

    struct Entry {
        QString section;
        QString name;
        QString text;
    };

    std::unique_ptr<QSettings> Open() const;
    bool WriteEntries(const std::vector<Entry>& entries) const;
    bool WriteThrough(const std::vector<Entry>& entries) const;
    // Why a write to the store's file did not get through, judged from the file system.
    Failure::Cause CauseOfFailedWrite() const;
    // The stored text, or nothing when the value is missing or not text.
    std::optional<QString> ReadStored(const QString& section, const QString& name) const;
    void Report(const Failure& failure) const;

    QString filePath;  // empty for the native store
    Reporter reporter;
    // Values whose write failed, newest last, until a write gets them through.
    mutable std::vector<Entry> unwritten;
};
