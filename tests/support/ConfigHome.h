#pragma once

#include <QByteArray>
#include <QString>

// Every test program keeps the per-user settings in a private temporary folder.
// QSettings looks at XDG_CONFIG_HOME once, when the first settings object is made, so the
// variable is set while the program loads, before main() runs.
QString ConfigHome();

// The file the native store uses inside ConfigHome(), and its folder.
QString NativeFolder();
QString NativeFile();

// The native file's bytes; empty when there is none.
QByteArray NativeFileText();

// Removes the native folder, whatever a test left behind (a plain file, a read-only folder).
void ClearNativeFolder();

// Writes a settings file by hand. QSettings reuses a file it has parsed while the file's size
// and modification time stay the same, so each file written here gets a time of its own.
void WriteRawFile(const QString& path, const QByteArray& content);

// True when file permissions do not stop this process from writing (it runs as root).
bool PermissionsIgnored(const QString& readOnlyFolder);
