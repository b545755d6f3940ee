#include "help/ApplicationHelp.h"

#include <QFileInfo>

#include "help/HelpPlatform.h"

namespace {

ApplicationHelp::Handler& Slot() {
    static ApplicationHelp::Handler handler;
    return handler;
}

}  // namespace

ApplicationHelp::Handler ApplicationHelp::OnHelp() {
    return Slot();
}

void ApplicationHelp::SetOnHelp(Handler handler) {
    Slot() = std::move(handler);
}

bool ApplicationHelp::HelpContext(std::int32_t context) {
    return HelpCommand(1, context);
}

bool ApplicationHelp::HelpCommand(std::uint16_t command, std::int32_t data) {
    bool letToolkitHelp = true;
    // A copy, so a handler may replace itself while it runs.
    const Handler handler = Slot();
    if (!handler) return false;
    return handler(command, data, letToolkitHelp);
}

QString ApplicationHelp::Title() {
    QString name = QFileInfo(HelpPlatform::ModulePath()).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}
