#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

// A table file written whole or not at all: into a temporary file beside it, renamed over it only
// when every byte is on disk. An interrupted run, a full disk or a missing folder leave whatever
// was there before untouched. A device or a pipe is written into directly.
class CsvFile {
public:
    explicit CsvFile(QString filePath) : path(std::move(filePath)) {}

    // Whether a file can be made where the table will go; checked before hours of work, not after.
    bool Probe();
    // Interrupt signals wait while the file is written and renamed, so no temporary file is left.
    bool Write(const QByteArray& text);
    // Why the last call failed.
    const QString& Error() const { return error; }

private:
    // Opens the file as the table will be written; without text, only to see that it can be.
    bool Put(const QByteArray* text);

    QString path;
    QString error;
};
