#include "help/LineReader.h"

void LineReader::Feed(QByteArrayView bytes) {
    if (broken) return;
    pending.append(bytes);
    // Only the part after the last line end can still grow into an overlong line.
    const qsizetype lastEnd = pending.lastIndexOf('\n');
    if (pending.size() - (lastEnd + 1) > longest) broken = true;
}

bool LineReader::Next(QByteArray& line) {
    if (broken) return false;
    const qsizetype end = pending.indexOf('\n');
    if (end < 0) return false;
    if (end > longest) {
        broken = true;
        return false;
    }
    line = pending.left(end);
    pending.remove(0, end + 1);
    return true;
}
