#pragma once

#include <QString>
#include <cstdint>

#include "base/Language.h"
#include "help/HelpSystem.h"

// Takes the help requests `system` receives for as long as it lives and shows their topics from
// one help file; the handler it replaced comes back when it goes. Messages about the help follow
// `language` while the hook lives, when one is given.
class THookHelpSystem {
public:
    THookHelpSystem(HelpSystem& system, const QString& helpFile, const QString& windowName,
                    std::uint8_t viewerKind, const Language* language = nullptr);
    virtual ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    // Every request counts as handled; only topic requests (1 and 8) open the help, request 13
    // is swallowed and any other is left to the toolkit.
    bool HelpHook(std::uint16_t command, std::int32_t data, bool& letToolkitHelp);
    int ShowTopic(std::int32_t context);

    HelpSystem::RequestHandler PreviousOnHelp;
    QString HelpFile;
    QString WindowName;
    // 0: the viewer is driven through its programming interface, the only kind used.
    std::uint8_t ViewerKind;

private:
    HelpSystem& system;
    const Language* language;
};
