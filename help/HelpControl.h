#pragma once

#include <QString>

#include <cstdint>

#include "help/ChmApi.h"

class QWidget;

// The help control: chmlib, loaded once at start, and the viewer entry point that becomes
// usable when every chmlib call it needs was found.
class HelpControl {
public:
    static constexpr unsigned HH_HELP_CONTEXT = 0x000F;
    static constexpr unsigned HH_CLOSE_ALL = 0x0012;
    // Opens `path` ("file" or "file>window") at the context number and returns the viewer's
    // window, or closes every viewer window (HH_CLOSE_ALL, no path).
    using HtmlHelpEntry = QWidget* (*)(QWidget* caller, const QString& path, unsigned command, std::intptr_t data);

    // Loads by the bare name through the normal library search, then from the registered path.
    static void LoadHelpControl();
    static void UnloadHelpControl();
    static bool Loaded();
    static QString FindHelpControlPath();
    static QString ExpandSystemRoot(const QString& text);
    static void CloseAllHelpWindows();

    // Null until the control is loaded.
    static HtmlHelpEntry HtmlHelpA();
    static const ChmApi& Chm();
};
