#include "help/HelpApi.h"

#include <QFileInfo>

#include "help/HelpPlatform.h"
#include "help/HelpViewerProcess.h"

bool HelpApi::HelpContext(std::int32_t context) {
    return HelpCommand(1, context);
}

bool HelpApi::HelpCommand(std::uint16_t command, std::int32_t data) {
    bool letToolkitHelp = true;
    // A copy, so a handler may replace itself while it runs.
    const HelpSystem::RequestHandler handler = OnHelp();
    if (!handler) return false;
    return handler(command, data, letToolkitHelp);
}

bool HelpApi::HtmlHelpA(const QString& path, unsigned command, std::intptr_t data) {
    HelpViewerProcess* viewer = system.Viewer();
    if (!viewer) return false;
    if (command == HH_CLOSE_ALL) {
        viewer->CloseAll();
        return true;
    }
    if (command != HH_HELP_CONTEXT) return false;
    viewer->Open(path, static_cast<std::int32_t>(data));
    return true;
}

QString HelpApi::Title() {
    QString name = QFileInfo(HelpPlatform::ModulePath()).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}
