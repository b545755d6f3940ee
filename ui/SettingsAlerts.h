#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "base/Language.h"
#include "settings/SettingsStore.h"

class QDialog;
class QWidget;

// Tells the player, once a run, what is wrong with the store of the settings, where and why; the
// game plays on, since the store holds what it could not write and writes it once it can. The
// notice waits until the main window has asked its first questions and no dialog is up, and
// nothing is shown once the run is ending: then, as for every later problem, a line in the log
// has to do.
class SettingsAlerts : public QObject {
public:
    using Runner = std::function<int(QDialog&)>;

    explicit SettingsAlerts(QWidget& mainWindow);

    // The per-user store whose problems come here: one far too large is set aside first, and
    // what a write killed halfway in an earlier run left behind is removed.
    std::unique_ptr<SettingsStore> OpenStore();
    // The notice speaks the game's language once the choices are read.
    void SetLanguage(const Language& language);
    // Shows the notice as the session shows its dialogs; without one, in its own modal loop.
    void SetRunner(Runner runner);
    // The window's first questions and the about box are over: a notice may follow them.
    void WindowReady();
    // The run is ending: no notice any more.
    void Silence();

    // The notice's text for a problem.
    static QString NoticeText(const SettingsStore::Failure& failure, Language in);

private:
    void Report(const SettingsStore::Failure& failure);
    void ShowWhenIdle();

    QWidget& window;
    const Language* language = nullptr;
    Runner runner;
    std::optional<SettingsStore::Failure> first;
    bool windowReady = false;
    bool noticeShown = false;
    bool silenced = false;
    // Tries again while the window is not up yet or another dialog holds the player.
    QTimer retry;
};
