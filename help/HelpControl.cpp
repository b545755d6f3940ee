#include "help/HelpControl.h"

#include <QFileInfo>
#include <QThread>

#include "help/HelpApi.h"
#include "help/HelpPlatform.h"
#include "help/HelpSystem.h"

void HelpControl::LoadHelpControl() {
    if (system.Viewer()) return;
    // The viewer loads chmlib as the game would: by its name, then from where it is registered.
    system.MakeViewer({HelpPlatform::HelpControlName(), FindHelpControlPath()});
}

void HelpControl::UnloadHelpControl() {
    system.DropViewer();
}

bool HelpControl::Loaded() const {
    return system.Viewer() != nullptr;
}

QString HelpControl::FindHelpControlPath() {
    QString path = ExpandSystemRoot(HelpPlatform::RegisteredHelpControl());
    if (!path.isEmpty() && !QFileInfo::exists(path)) path.clear();
    if (path.isEmpty())
        path = HelpPlatform::SystemFolder() + QLatin1Char('/') + HelpPlatform::HelpControlName();
    return path;
}

QString HelpControl::ExpandSystemRoot(const QString& text) {
    if (text.size() < 12 || text[0] != QLatin1Char('%') || text[11] != QLatin1Char('%')) return text;
    if (text.mid(1, 10).compare(QLatin1String("SystemRoot"), Qt::CaseInsensitive) != 0) return text;
    QString windows = HelpPlatform::WindowsFolder();
    if (windows.endsWith(QLatin1Char('/'))) windows.chop(1);
    return windows + text.mid(12);
}

void HelpControl::CloseAllHelpWindows() {
    if (!Loaded()) return;
    HelpApi(system).HtmlHelpA(QString(), HelpApi::HH_CLOSE_ALL, 0);
    QThread::yieldCurrentThread();
}
