#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The help modules were written for a system with a registry, a system folder, version resources
// in every program file and a shared temporary folder. This is the one place that answers those
// questions on Linux; everything above it keeps the original failure paths.
//
//   asked for                          answered here with
//   help control "hhctrl.ocx"          chmlib, "libchm.so.1" (TVDL_HELP_LIBRARY names another file,
//                                      e.g. a missing one to see the player's "not installed"
//                                      message), loaded only inside the help viewer's process
//   the control's viewer windows       the program tvdl-help, driven over a pipe
//   registered control path (registry) the name of the help control when it is a path, else
//                                      nothing (there is no registry)
//   system folder                      "/usr/lib", where Debian puts chmlib
//   Windows folder (%SystemRoot%)      "/usr"
//   temporary folder                   the per-user state folder $XDG_STATE_HOME/tvdl (default
//                                      ~/.local/state/tvdl), made 0700: never the shared /tmp
//   file version resource              a shared library: the numbers after ".so." in its real
//                                      file name; the program itself: the game's version;
//                                      anything else: none
//   browser component                  none ("Shdocvw.dll" is never found in the system folder)
//   platform name and version          kernel name and release numbers, distribution name in
//                                      place of the service-pack text
//   locale ids                         Qt's language and territory numbers
//   message box                        a warning box (only a log line on the offscreen
//                                      platform, where nobody could answer it)
class HelpPlatform {
public:
    // Four 16-bit numbers, major first; `found` is false when the file has no version.
    struct Version {
        bool found = false;
        std::array<std::uint16_t, 4> numbers{};
    };
    struct OperatingSystem {
        QString name;
        int major = 0;
        int minor = 0;
        int build = 0;
        QString servicePack;
    };
    static QString ModulePath();
    static QStringList Arguments();
    static QString RawCommandLine();
    static QString SystemFolder();
    static QString WindowsFolder();
    // Made on first use, without a trailing slash; empty when it cannot be made.
    static QString TempFolder();
    static QString HelpControlName();
    static QString RegisteredHelpControl();
    static Version VersionResource(const QString& path);
    static OperatingSystem System();
    static std::uint32_t DefaultLocaleId();
    static QString DecimalSeparator();

    // Beside the program first, then the data folder of the installed tree the program lies in,
    // then the data folder it was built for; beside the program when none has it, so the viewer
    // reports the missing file as it would any other.
    static QString HelpFilePath(const QString& programFolder);
    // The help viewer program: beside the program first (a build tree), then where the installed
    // tree the program lies in keeps it, then where it was built to be installed.
    static QString ViewerProgram(const QString& programFolder);

    static void MessageBox(const QString& caption, const QString& text);
};
