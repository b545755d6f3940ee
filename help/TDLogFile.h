#pragma once

#include <QString>

struct HelpModuleState;

// The help trace log: one line at a time, each opening and closing the file, so a crash loses
// nothing already traced. Lines end with CR LF.
class TDLogFile {
public:
    // Moves the log to the per-user state folder when the folder of `path` is missing or not
    // writable, makes an old read-only log writable, then writes the header (which first removes
    // an old log unless `keepOld`). The header reports `module`, which must outlive the log.
    TDLogFile(const HelpModuleState& module, const QString& path, bool traceOn, bool timePrefix,
              bool headerOn, bool keepOld);
    virtual ~TDLogFile() = default;

    // "-" and "=" become separator rows; a text starting with "!", "-" or "=" is written without
    // that character and without the time; a line that cannot be written is dropped.
    void WriteLine(const QString& text);
    void Trace(const QString& text);
    void WriteHeader();

    QString LogPath;
    bool TraceOn;
    bool TimePrefix;
    bool HeaderOn;
    bool KeepOld;

private:
    const HelpModuleState& module;
};
