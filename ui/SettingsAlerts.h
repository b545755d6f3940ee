#pragma once

#include <memory>

class QString;
class QWidget;
class SettingsStore;

// The per-user settings store of the main window, whose errors the player is shown.
class SettingsAlerts {
public:
    // The store, without what a write killed halfway in an earlier run left behind.
    static std::unique_ptr<SettingsStore> OpenStore(QWidget& mainWindow);

private:
    static void Report(QWidget& mainWindow, const QString& message);
};
