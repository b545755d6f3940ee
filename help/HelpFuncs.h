#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "base/Language.h"
#include "help/HelpModuleState.h"

class HelpSystem;
class TDLogFile;

// The launch functions behind the help hook, and the trace log with what its header reports,
// all kept in the HelpSystem they work on. Start runs once before any window and Finish once
// after the last one; tests run them again to try other switches and folders.
class HelpFuncs {
public:
    // 2 is ours: the viewer met a help file it could not read, or broke down reading it.
    enum Code { Done = 0, NotInstalled = 1, Damaged = 2 };

    explicit HelpFuncs(HelpSystem& help) : system(help) {}

    void Start();
    void Start(const QString& modulePath, const QStringList& arguments);
    void Finish();
    // Empty before Start.
    const HelpModuleState& Module() const;
    // Null before Start and after Finish.
    TDLogFile* HelpLog() const;

    void HelpTrace(const QString& text);
    int HHHelpContext(const QString& helpFile, std::int32_t context, const QString& windowName,
                      std::uint8_t viewerKind);
    int ShowContext(const QString& path, std::int32_t context, std::uint8_t viewerKind);
    void HHShowError(int code);
    // The text the player sees when the help control is missing.
    static QString NotInstalledText();
    static QString DamagedText(Language language);

    // "1 (HELP_CONTEXT)"; unknown numbers get "??".
    static QString HelpCommandName(std::uint32_t command);
    // True at the first argument that is "/debug" or "-debug" in any letter case.
    static bool DebugArgument(const QStringList& arguments);

private:
    HelpSystem& system;
};
