#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <utility>

// A table file written whole or not at all: into a temporary file beside it, renamed over it only
// when every byte is on disk. An interrupted run, a full disk or a missing folder leave whatever
// was there before untouched. A device or a pipe is written into directly, and so is the
// program's own output when the table is asked for there (/dev/stdout, or the very file the
// output was sent to): renamed over, that file would lose whatever else the program printed.
class CsvFile {
public:
    // `output` is the program's own output stream.
    CsvFile(QString filePath, std::FILE* output);

    // Whether a file can be made where the table will go; checked before hours of work, not after.
    bool Probe();
    // Interrupt signals wait while the file is written and renamed, so no temporary file is left.
    bool Write(const QByteArray& text);
    // Whether the table goes into the program's own output, in turn with what else is printed.
    bool IntoOutput() const { return intoOutput; }
    // Why the last call failed.
    const QString& Error() const { return error; }

private:
    // Opens the file as the table will be written; without text, only to see that it can be.
    bool Put(const QByteArray* text);
    bool PutIntoOutput(const QByteArray* text);

    QString path;
    std::FILE* output;
    bool intoOutput = false;
    QString error;
};
