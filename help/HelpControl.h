#pragma once

#include <QString>

class HelpSystem;

// The help control: the viewer program with chmlib inside it. Loading it makes the viewer's
// process ready to start on the first request; nothing is loaded at the program's start.
class HelpControl {
public:
    explicit HelpControl(HelpSystem& help) : system(help) {}

    void LoadHelpControl();
    void UnloadHelpControl();
    bool Loaded() const;
    // Where chmlib lies: the registered place when there is one and it exists, else the system
    // folder's chmlib, whether it exists or not.
    static QString FindHelpControlPath();
    static QString ExpandSystemRoot(const QString& text);
    // Closes every viewer window; the viewer's process ends by itself.
    void CloseAllHelpWindows();

private:
    HelpSystem& system;
};
