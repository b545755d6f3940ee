#pragma once

#include <QString>

// The help control: the viewer program with chmlib inside it. Loading it makes the viewer's
// process ready to start on the first request; nothing is loaded at the program's start.
class HelpControl {
public:
    static void LoadHelpControl();
    static void UnloadHelpControl();
    static bool Loaded();
    // Where chmlib lies: the registered place when there is one and it exists, else the system
    // folder's chmlib, whether it exists or not.
    static QString FindHelpControlPath();
    static QString ExpandSystemRoot(const QString& text);
    // Closes every viewer window; the viewer's process ends by itself.
    static void CloseAllHelpWindows();
};
