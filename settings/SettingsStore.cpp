#include "settings/SettingsStore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

#include "platform/Clock.h"

namespace {

const QString organisation = QStringLiteral("TorvikGames");
const QString application = QStringLiteral("TorvikVandrel");

QString KeyOf(const QString& section, const QString& name) {
    return QStringLiteral("V1/%1/%2").arg(section, name);
}

// The registry has no folder to create; its fileName() is a key path.
bool KeptInFile(const QSettings& settings) {
#ifdef Q_OS_WIN
    return settings.format() != QSettings::NativeFormat;
#else
    Q_UNUSED(settings);
    return true;
#endif
}

}  // namespace

SettingsStore::SettingsStore(Reporter onError) : reporter(std::move(onError)) {}

SettingsStore::SettingsStore(QString path, Reporter onError)
    : filePath(std::move(path)), reporter(std::move(onError)) {}

SettingsStore SettingsStore::AtFile(const QString& path, Reporter onError) {
    return SettingsStore(path, std::move(onError));
}

std::optional<int> SettingsStore::ParseInteger(const QString& text) {
    // QString::toInt alone would also accept blanks around the number.
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace()) return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    return value;
}

std::unique_ptr<QSettings> SettingsStore::Open() const {
    if (filePath.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organisation,
                                           application);
    }
    return std::make_unique<QSettings>(filePath, QSettings::IniFormat);
}

QString SettingsStore::FileName() const {
#ifndef Q_OS_WIN
    // Where QSettings keeps the native store, named without making a settings object, which
    // would read the whole file before anything could look at its size.
    if (filePath.isEmpty()) {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/%1/%2.conf").arg(organisation, application);
    }
#endif
    return Open()->fileName();
}

QString SettingsStore::Failure::Message() const {
    switch (kind) {
        case Kind::DamagedValue:
            return QStringLiteral("Ungültiger Datentyp für '%1'").arg(name);
        case Kind::NotWritten:
            if (cause == Cause::FolderCannotBeMade)
                return QStringLiteral("Erzeugung von Schlüssel %1 misslungen").arg(name);
            return QStringLiteral("Fehler beim Setzen der Daten für '%1'").arg(name);
        case Kind::SetAside:
            break;
    }
    return QStringLiteral("Einstellungen beiseitegelegt als %1").arg(file);
}

void SettingsStore::Report(const Failure& failure) const {
    if (reporter) {
        reporter(failure);
    } else {
        qWarning().noquote() << failure.Message();
    }
}

std::optional<QString> SettingsStore::ReadStored(const QString& section, const QString& name) const {
    const auto held = std::find_if(unwritten.rbegin(), unwritten.rend(), [&](const Entry& entry) {
        return entry.section == section && entry.name == name;
    });
    if (held != unwritten.rend()) return held->text;
    const QVariant stored = Open()->value(KeyOf(section, name));
    if (!stored.isValid()) return std::nullopt;
    // A hand-edited line may come back as a list, a number, bytes or a rectangle; only plain
    // text is ours.
    if (stored.typeId() != QMetaType::QString) {
        Report({Failure::Kind::DamagedValue, Failure::Cause::Unknown, name, FileName()});
        return std::nullopt;
    }
    return stored.toString();
}

int SettingsStore::ReadInteger(const QString& section, const QString& name, int defaultValue) const {
    const std::optional<QString> text = ReadStored(section, name);
    if (!text) return defaultValue;
    return ParseInteger(*text).value_or(defaultValue);
}

bool SettingsStore::ReadBool(const QString& section, const QString& name, bool defaultValue) const {
    return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

QString SettingsStore::ReadText(const QString& section, const QString& name,
                                const QString& defaultValue) const {
    const std::optional<QString> text = ReadStored(section, name);
    if (!text || text->isEmpty()) return defaultValue;
    return *text;
}

bool SettingsStore::WriteInteger(const QString& section, const QString& name, int value) const {
    return WriteText(section, name, QString::number(value));
}

bool SettingsStore::WriteBool(const QString& section, const QString& name, bool value) const {
    return WriteText(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool SettingsStore::WriteText(const QString& section, const QString& name, const QString& value) const {
    return WriteEntries({{section, name, value}});
}

bool SettingsStore::WriteEntries(const std::vector<Entry>& entries) const {
    // What earlier writes could not store goes along, overridden by the newer values.
    std::vector<Entry> all;
    for (const Entry& held : unwritten) {
        const bool replaced = std::any_of(entries.begin(), entries.end(), [&held](const Entry& entry) {
            return entry.section == held.section && entry.name == held.name;
        });
        if (!replaced) all.push_back(held);
    }
    all.insert(all.end(), entries.begin(), entries.end());
    if (WriteThrough(all)) {
        unwritten.clear();
        return true;
    }
    unwritten = std::move(all);
    const Failure::Cause cause = CauseOfFailedWrite();
    if (cause == Failure::Cause::FolderCannotBeMade) {
        Report({Failure::Kind::NotWritten, cause, entries.front().section, FileName()});
        return false;
    }
    for (const Entry& entry : entries) Report({Failure::Kind::NotWritten, cause, entry.name, FileName()});
    return false;
}

bool SettingsStore::WriteThrough(const std::vector<Entry>& entries) const {
    {
        std::unique_ptr<QSettings> settings = Open();
        if (KeptInFile(*settings) && !QDir().mkpath(QFileInfo(settings->fileName()).absolutePath()))
            return false;
        for (const Entry& entry : entries) settings->setValue(KeyOf(entry.section, entry.name), entry.text);
        settings->sync();
        if (settings->status() == QSettings::NoError) return true;
        if (settings->status() == QSettings::AccessError) return false;
    }
    // A file that does not parse cleanly is read again before every write, and QSettings keeps
    // only the first error it meets, so the status says nothing about the write itself. A
    // change that did not reach the file stays pending in QSettings' shared cache, and the next
    // settings object tries it again, meets the damaged file again and reports an error; a
    // change that did reach it leaves a clean file behind.
    const std::unique_ptr<QSettings> check = Open();
    for (const Entry& entry : entries) {
        const QVariant stored = check->value(KeyOf(entry.section, entry.name));
        if (check->status() != QSettings::NoError || stored.typeId() != QMetaType::QString ||
            stored.toString() != entry.text) {
            return false;
        }
    }
    return true;
}

SettingsStore::Failure::Cause SettingsStore::CauseOfFailedWrite() const {
    const QFileInfo file(FileName());
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return Failure::Cause::FolderCannotBeMade;
    if (file.isDir()) return Failure::Cause::FolderInPlaceOfFile;
    if (file.exists() && !file.isWritable()) return Failure::Cause::FileReadOnly;
    // The file is replaced by a new one made beside it, so its folder has to take one.
    if (!folder.isWritable()) return Failure::Cause::FolderReadOnly;
    return Failure::Cause::Unknown;
}

void SettingsStore::SetAsideIfAbsurd() const {
    const QFileInfo store(FileName());
    if (!store.exists() || store.isDir()) return;
    const bool plain = store.isFile();
    if (plain && store.size() <= LargestStoreBytes) return;
    // Through a link, the file it points to is what is too large; the link keeps pointing there.
    const QString lying = store.isSymLink() ? store.canonicalFilePath() : store.absoluteFilePath();
    const QString stamp = GameClock().LocalTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString aside = QStringLiteral("%1.set-aside-%2").arg(lying, stamp);
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = QStringLiteral("%1.set-aside-%2-%3").arg(lying, stamp).arg(n);
    const Failure::Cause cause = plain ? Failure::Cause::TooLarge : Failure::Cause::NotAFile;
    if (!QFile::rename(lying, aside)) {
        // Left where it is, it would still be read; the run goes on with what it can.
        Report({Failure::Kind::NotWritten, cause, QString(), lying});
        return;
    }
    Report({Failure::Kind::SetAside, cause, QString(), aside});
}

std::unique_ptr<QLockFile> SettingsStore::LockForUpdate() const {
    const std::unique_ptr<QSettings> settings = Open();
    if (!KeptInFile(*settings)) return nullptr;
    const QString file = settings->fileName();
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) return nullptr;
    // Not the store's own lock, which every write takes for itself.
    auto lock = std::make_unique<QLockFile>(file + QStringLiteral(".update.lock"));
    // Another copy holds it for one read and one write: far less than this, unless it hangs.
    if (!lock->tryLock(5000)) return nullptr;
    return lock;
}

void SettingsStore::RemoveStaleWrites() const {
    const QFileInfo store(FileName());
    if (!store.dir().exists()) return;
    // The temporary name a write gives the file it later renames over the store: the store's name,
    // a dot and six letters or digits. Matched by hand, since a name filter or a regular expression
    // would load a pattern compiler into every start of the game.
    const QString prefix = store.fileName() + QLatin1Char('.');
    const auto isTemporary = [&prefix](const QString& name) {
        const auto letterOrDigit = [](QChar c) {
            return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                   (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                   (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        };
        return name.size() == prefix.size() + 6 && name.startsWith(prefix) &&
               std::all_of(name.begin() + prefix.size(), name.end(), letterOrDigit);
    };
    const auto leftovers = [&store, &isTemporary] {
        QStringList names = store.dir().entryList(QDir::Files | QDir::Hidden | QDir::System);
        names.removeIf([&isTemporary](const QString& name) { return !isTemporary(name); });
        return names;
    };
    // Nearly every start finds none, and taking the lock writes its file through to the disk: it
    // is taken only when there is something to remove, and the folder is read again under it.
    if (leftovers().isEmpty()) return;
    QLockFile writing(store.filePath() + QStringLiteral(".lock"));
    if (!writing.tryLock(2000)) return;
    for (const QString& name : leftovers()) QFile::remove(store.dir().filePath(name));
}

void SettingsStore::DeleteValue(const QString& section, const QString& name) const {
    std::unique_ptr<QSettings> settings = Open();
    const QString key = KeyOf(section, name);
    // Removing an absent key would still rewrite the file, or create it on a first start.
    unwritten.erase(
        std::remove_if(unwritten.begin(), unwritten.end(),
                       [&](const Entry& entry) { return entry.section == section && entry.name == name; }),
        unwritten.end());
    if (!settings->contains(key)) return;
    settings->remove(key);
    settings->sync();
}

namespace {
QString SectionOf(SettingKey key) {
    return QLatin1String(RowOf(key).section);
}
QString NameOf(SettingKey key) {
    return QLatin1String(RowOf(key).name);
}
}  // namespace

int SettingsStore::ReadInteger(SettingKey key) const {
    return ReadInteger(SectionOf(key), NameOf(key), RowOf(key).defaultValue);
}

bool SettingsStore::ReadBool(SettingKey key) const {
    return ReadBool(SectionOf(key), NameOf(key), RowOf(key).defaultValue != 0);
}

QString SettingsStore::ReadText(SettingKey key) const {
    return ReadText(SectionOf(key), NameOf(key), QString());
}

std::optional<int> SettingsStore::ReadStoredInteger(SettingKey key) const {
    const std::optional<QString> text = ReadStored(SectionOf(key), NameOf(key));
    if (!text) return std::nullopt;
    return ParseInteger(*text);
}

bool SettingsStore::WriteInteger(SettingKey key, int value) const {
    return WriteInteger(SectionOf(key), NameOf(key), value);
}

bool SettingsStore::WriteBool(SettingKey key, bool value) const {
    return WriteBool(SectionOf(key), NameOf(key), value);
}

bool SettingsStore::WriteText(SettingKey key, const QString& value) const {
    return WriteText(SectionOf(key), NameOf(key), value);
}

bool SettingsStore::WriteIntegers(const std::vector<std::pair<SettingKey, int>>& values) const {
    if (values.empty()) return true;
    std::vector<Entry> entries;
    for (const auto& [key, value] : values)
        entries.push_back({SectionOf(key), NameOf(key), QString::number(value)});
    return WriteEntries(entries);
}

void SettingsStore::DeleteRetired() const {
    for (const char* name : RetiredPlacementNames)
        DeleteValue(SectionOf(SettingKey::Placement), QLatin1String(name));
}
