#include "ui/SettingsAlerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "settings/SettingsStore.h"

std::unique_ptr<SettingsStore> SettingsAlerts::OpenStore(QWidget& mainWindow) {
    auto store = std::make_unique<SettingsStore>(
        [&mainWindow](const QString& message) { Report(mainWindow, message); });
    store->RemoveStaleWrites();
    return store;
}

void SettingsAlerts::Report(QWidget& mainWindow, const QString& message) {
    // A settings error must not cost the player the rest of the settings or the statistics: it is
    // shown, and the program goes on with the default or the next value.
    if (QApplication::platformName() == QLatin1String("offscreen")) {
        qWarning("%s", qUtf8Printable(message));
        return;
    }
    QMessageBox::critical(mainWindow.isVisible() ? &mainWindow : nullptr, mainWindow.windowTitle(), message);
}
