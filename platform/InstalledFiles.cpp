#include "platform/InstalledFiles.h"

#include <QDir>
#include <QFileInfo>

QString FindHelpFile(const QString& programFolder) {
    const QString name = QStringLiteral("tvdl.chm");
    const QDir program(programFolder);
    const QString beside = program.filePath(name);
    // The data folder relative to the program first, so a staged or moved installation finds its
    // own copy, then where the build was configured to install it.
    const QString candidates[] = {
        beside,
        QDir::cleanPath(program.filePath(QStringLiteral(TVDL_HELPDIR_FROM_PROGRAM "/") + name)),
        QDir(QStringLiteral(TVDL_HELPDIR)).filePath(name),
    };
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile()) return path;
    }
    return beside;
}
