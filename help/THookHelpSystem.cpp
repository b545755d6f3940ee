#include "help/THookHelpSystem.h"

#include "help/HelpApi.h"
#include "help/HelpControl.h"
#include "help/HelpFuncs.h"

THookHelpSystem::THookHelpSystem(HelpSystem& help, const QString& helpFile, const QString& windowName,
                                 std::uint8_t viewerKind, const Language* playerLanguage)
    : PreviousOnHelp(HelpApi(help).OnHelp()),
      HelpFile(helpFile),
      WindowName(windowName),
      ViewerKind(viewerKind),
      system(help),
      language(playerLanguage) {
    if (language) system.SetLanguage(language);
    HelpApi(system).SetOnHelp([this](std::uint16_t command, std::int32_t data, bool& letToolkitHelp) {
        return HelpHook(command, data, letToolkitHelp);
    });
    HelpFuncs(system).HelpTrace(QStringLiteral("THookHelpSystem.Create(\"%1\",\"%2\", %3)")
                                    .arg(HelpFile, WindowName, QString::number(ViewerKind)));
}

THookHelpSystem::~THookHelpSystem() {
    if (ViewerKind == 0) HelpControl(system).CloseAllHelpWindows();
    HelpApi(system).SetOnHelp(PreviousOnHelp);
    HelpFuncs(system).HelpTrace(QStringLiteral("THookHelpSystem.Destroy"));
    if (language) system.SetLanguage(nullptr);
}

bool THookHelpSystem::HelpHook(std::uint16_t command, std::int32_t data, bool& letToolkitHelp) {
    HelpFuncs(system).HelpTrace(QStringLiteral("THookHelpSystem.HelpHook(%1, %2)")
                                    .arg(HelpFuncs::HelpCommandName(command), QString::number(data)));
    letToolkitHelp = false;
    switch (command) {
        case 1:  // HELP_CONTEXT
        case 8:  // HELP_CONTEXTPOPUP
            ShowTopic(data);
            break;
        case 13:  // HELP_SETPOPUP_POS: nothing to place
            break;
        default:
            letToolkitHelp = true;
            break;
    }
    return true;
}

int THookHelpSystem::ShowTopic(std::int32_t context) {
    HelpFuncs funcs(system);
    const int code = funcs.HHHelpContext(HelpFile, context, WindowName, ViewerKind);
    funcs.HHShowError(code);
    return code;
}
