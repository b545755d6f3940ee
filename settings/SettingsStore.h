#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "settings/SettingsKeys.h"

class QSettings;

// The player's settings, statistics and window position, kept per user under
// "TorvikGames/TorvikVandrel", key "V1/<section>/<name>", every value as text and every
// number in plain decimal.
// Nothing is cached: every operation opens the store, does its one read or write and closes it
// again, so two running copies see each other's values and the last one to write wins.
// The store never throws. A damaged value or a failed write is handed to the reporter and the
// program goes on with the default, because aborting here would lose the rest of the data.
class SettingsStore {
public:
    using Reporter = std::function<void(const QString&)>;

    // The per-user native store; an empty reporter logs a warning.
    explicit SettingsStore(Reporter onError = {});

    // A store in one INI file at an explicit path, for tools and tests.
    static SettingsStore AtFile(const QString& path, Reporter onError = {});

    // Values by key, with the key's stored name and default.
    int ReadInteger(SettingKey key) const;
    bool ReadBool(SettingKey key) const;
    QString ReadText(SettingKey key) const;
    void WriteInteger(SettingKey key, int value) const;
    void WriteBool(SettingKey key, bool value) const;
    void WriteText(SettingKey key, const QString& value) const;
    void DeleteRetired() const;

    int ReadInteger(const QString& section, const QString& name, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& name, bool defaultValue) const;
    QString ReadText(const QString& section, const QString& name, const QString& defaultValue) const;

    void WriteInteger(const QString& section, const QString& name, int value) const;
    void WriteBool(const QString& section, const QString& name, bool value) const;
    void WriteText(const QString& section, const QString& name, const QString& value) const;

    // A missing value, or one that cannot be removed, is not worth a report.
    void DeleteValue(const QString& section, const QString& name) const;

    // Where the values live, for diagnostics.
    QString FileName() const;

    // A stored integer as a plain text-to-integer conversion reads it: an optional sign and
    // decimal digits, no blanks around them.
    static std::optional<int> ParseInteger(const QString& text);

private:
    SettingsStore(QString path, Reporter onError);

    std::unique_ptr<QSettings> Open() const;
    // The stored text, or nothing when the value is missing or not text.
    std::optional<QString> ReadStored(const QString& section, const QString& name) const;
    void Report(const QString& message) const;

    QString filePath;  // empty for the native store
    Reporter reporter;
};
