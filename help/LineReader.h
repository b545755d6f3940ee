#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Cuts a byte stream into lines of at most `longest` bytes. A longer line makes the reader
// refuse everything after it: the other side no longer speaks the protocol.
class LineReader {
public:
    explicit LineReader(qsizetype longestLine) : longest(longestLine) {}

    void Feed(QByteArrayView bytes);
    // The next whole line without its end, or false when none is complete yet.
    bool Next(QByteArray& line);
    bool Broken() const { return broken; }

private:
    qsizetype longest;
    QByteArray pending;
    bool broken = false;
};
