#pragma once

#include <QString>

#include <cstdint>

class HelpViewer;
class QWidget;

// The open help windows, one per help file: the viewer side of the help control.
class HelpWindows {
public:
    // HH_HELP_CONTEXT opens the file at the context number in its window (made on first use)
    // and brings that window to the front; HH_CLOSE_ALL closes every window. Returns the window
    // shown, or none (a file that cannot be read, or any other command).
    static QWidget* HtmlHelp(QWidget* caller, const QString& path, unsigned command, std::intptr_t data);
    static void CloseAll();
    static int Count();
    // The open window of a help file, or none.
    static HelpViewer* Find(const QString& helpFile);
};
