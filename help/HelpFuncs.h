#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

#include "help/HelpPlatform.h"

class TDLogFile;

// The launch functions behind the help hook, and the trace log with what its header reports.
// Start runs once before any window and Finish once after the last one; tests run them again
// to try other switches and folders.
class HelpFuncs {
public:
    enum Code { Done = 0, NotInstalled = 1 };

    struct State {
        QString ModulePath;
        QString ModuleDir;
        QString ModuleName;
        QString RunDir;
        QString LogFolder;
        QStringList Arguments;
        bool HelpTraceSwitch = false;
        QString hhVerStr;
        HelpPlatform::Version hhVersion;
        bool hhInstalled = false;
        QString hhFriendlyVerStr;
        QString ieVerStr;
        HelpPlatform::Version ieVersion;
        bool ieInstalled = false;
        QString ieFriendlyVerStr;
    };

    static void Start();
    static void Start(const QString& modulePath, const QStringList& arguments);
    static void Finish();
    static const State& Module();
    // Null before Start and after Finish.
    static TDLogFile* HelpLog();

    static void HelpTrace(const QString& text);
    static int HHHelpContext(const QString& helpFile, std::int32_t context, const QString& windowName,
                             std::uint8_t viewerKind);
    static int ShowContext(const QString& path, std::int32_t context, std::uint8_t viewerKind);
    static void HHShowError(int code);
    // The text the player sees when the help control is missing.
    static QString NotInstalledText();

    // "1 (HELP_CONTEXT)"; unknown numbers get "??".
    static QString HelpCommandName(std::uint32_t command);
    // True at the first argument that is "/debug" or "-debug" in any letter case.
    static bool DebugArgument(const QStringList& arguments);
    static bool IsFolderWritable(const QString& folder);
    // The per-user folder for the log when the program's folder is not writable.
    static QString TempFolder();
};
