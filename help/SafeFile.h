#pragma once

#include <QByteArray>
#include <QString>

// File operations for the trace log and the folder probe that never follow a symbolic link and
// never write through a name someone else prepared: a link, a pipe or a second hard link planted
// at one of our fixed names is refused, and removing a name removes only that name.
class SafeFile {
public:
    // Creates a new empty file for the owner only; false when anything already has the name.
    static bool CreateNew(const QString& path);
    // Appends to a regular file of ours with a single link, creating it when the name is free.
    static bool Append(const QString& path, const QByteArray& bytes);
    // Gives the owner write permission again on a regular file of ours.
    static void MakeWritable(const QString& path);
    // Removes the name itself (never what a link points to); folders are left alone.
    static bool Remove(const QString& path);
    // True when something, even a dangling link, has the name.
    static bool Exists(const QString& path);
    // Whether a file of ours can be made in the folder: a probe file is made and removed again.
    static bool IsFolderWritable(const QString& folder);
};
