#include "ConfigHome.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

const bool configHomeSet = [] {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Folder().path()));
    // The record of deals lives in the data folder; each test program keeps its own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(Folder().path() + QStringLiteral("/data")));
    return true;
}();

}  // namespace

QString ConfigHome() {
    return Folder().path();
}

QString NativeFolder() {
    return ConfigHome() + QStringLiteral("/TorvikGames");
}

QString NativeFile() {
    return NativeFolder() + QStringLiteral("/TorvikVandrel.conf");
}

QByteArray NativeFileText() {
    QFile file(NativeFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ClearNativeFolder() {
    QDir(ConfigHome() + QStringLiteral("/data/TorvikGames")).removeRecursively();
    const QFileInfo info(NativeFolder());
    if (info.isDir()) {
        QFile::setPermissions(NativeFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDirIterator folders(NativeFolder(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (folders.hasNext()) {
            QFile::setPermissions(folders.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QDir(NativeFolder()).removeRecursively();
    } else if (info.exists()) {
        QFile::remove(NativeFolder());
    }
}

void WriteRawFile(const QString& path, const QByteArray& content) {
    static int filesWritten = 0;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(content);
    // The time is set after the data is out, or the final flush would stamp the file anew.
    file.flush();
    ++filesWritten;
    const QDateTime stamp = QDateTime::fromSecsSinceEpoch(1'000'000'000).addSecs(filesWritten);
    file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

bool PermissionsIgnored(const QString& readOnlyFolder) {
    QFile probe(readOnlyFolder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    probe.remove();
    // The test scripts run the tests without privileges so that these cases really run.
    if (qEnvironmentVariableIsSet("TVDL_UNPRIVILEGED"))
        ADD_FAILURE() << "a run without privileges may write anywhere";
    return true;
}
