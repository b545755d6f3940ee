#include "help/HelpWindows.h"

#include <QFileInfo>
#include <QPointer>

#include <memory>
#include <vector>

#include "help/ChmFile.h"
#include "help/HelpControl.h"
#include "help/HelpViewer.h"

namespace {

std::vector<QPointer<HelpViewer>>& Windows() {
    static std::vector<QPointer<HelpViewer>> windows;
    return windows;
}

void Forget() {
    auto& windows = Windows();
    std::erase_if(windows, [](const QPointer<HelpViewer>& window) { return window.isNull(); });
}

QString Key(const QString& helpFile) {
    return QFileInfo(helpFile).absoluteFilePath();
}

}  // namespace

QWidget* HelpWindows::HtmlHelp(QWidget* /*caller*/, const QString& path, unsigned command, std::intptr_t data) {
    if (command == HelpControl::HH_CLOSE_ALL) {
        CloseAll();
        return nullptr;
    }
    if (command != HelpControl::HH_HELP_CONTEXT) return nullptr;
    // A window definition after ">" is the file's business; this viewer has only one kind.
    const QString helpFile = path.section(QLatin1Char('>'), 0, 0);
    HelpViewer* viewer = Find(helpFile);
    if (!viewer) {
        auto file = std::make_unique<ChmFile>(Key(helpFile));
        if (!file->IsOpen()) return nullptr;
        viewer = new HelpViewer(std::move(file));
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        Windows().emplace_back(viewer);
    }
    viewer->ShowContext(static_cast<std::int32_t>(data));
    if (viewer->isMinimized()) viewer->showNormal();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

void HelpWindows::CloseAll() {
    // Windows closed by the player may still wait for their deferred delete: delete all now.
    std::vector<QPointer<HelpViewer>> windows;
    windows.swap(Windows());
    for (const QPointer<HelpViewer>& window : windows) delete window.data();
}

int HelpWindows::Count() {
    Forget();
    int open = 0;
    for (const QPointer<HelpViewer>& window : Windows()) {
        if (window->isVisible()) ++open;
    }
    return open;
}

HelpViewer* HelpWindows::Find(const QString& helpFile) {
    Forget();
    const QString key = Key(helpFile);
    for (const QPointer<HelpViewer>& window : Windows()) {
        if (window->File().Path() == key && window->isVisible()) return window.data();
    }
    return nullptr;
}
