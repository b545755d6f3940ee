#pragma once

#include <QPointer>
#include <QString>
#include <cstdint>
#include <vector>

#include "help/ChmApi.h"

class HelpViewer;

// The help viewer process's windows, one per help file.
class HelpWindows {
public:
    enum class Outcome { Shown, Missing, Damaged };

    // `chm` must outlive the windows.
    explicit HelpWindows(const ChmApi& chm);
    ~HelpWindows();
    HelpWindows(const HelpWindows&) = delete;
    HelpWindows& operator=(const HelpWindows&) = delete;

    // Shows the topic of the context number in the file's window (made on first use) and brings
    // that window to the front. A window definition after ">" in `path` is ignored: this viewer
    // has one kind of window. A file that opens without a readable start page is damaged too,
    // and so is anything under the name that is no regular file: a folder, a pipe, a device, a
    // link loop.
    Outcome Show(const QString& path, std::int32_t context);
    void CloseAll();
    int Count();
    // The open window of a help file, or none.
    HelpViewer* Find(const QString& helpFile);

private:
    void Forget();

    const ChmApi& chm;
    std::vector<QPointer<HelpViewer>> windows;
};
