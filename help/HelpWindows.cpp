#include "help/HelpWindows.h"

#include <QFileInfo>
#include <memory>

#include "help/ChmFile.h"
#include "help/HelpViewer.h"

namespace {

QString Key(const QString& helpFile) {
    return QFileInfo(helpFile).absoluteFilePath();
}

}  // namespace

HelpWindows::HelpWindows(const ChmApi& api) : chm(api) {}

HelpWindows::~HelpWindows() {
    CloseAll();
}

HelpWindows::Outcome HelpWindows::Show(const QString& path, std::int32_t context) {
    const QString helpFile = path.section(QLatin1Char('>'), 0, 0);
    HelpViewer* viewer = Find(helpFile);
    if (!viewer) {
        auto file = std::make_unique<ChmFile>(chm, Key(helpFile));
        if (file->Missing()) return Outcome::Missing;
        if (!file->IsOpen() || file->Read(HelpViewer::TopicOf(*file, context)).isEmpty())
            return Outcome::Damaged;
        viewer = new HelpViewer(std::move(file));
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        windows.emplace_back(viewer);
    }
    viewer->ShowContext(context);
    if (viewer->isMinimized()) viewer->showNormal();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return Outcome::Shown;
}

void HelpWindows::CloseAll() {
    // Windows closed by the player may still wait for their deferred delete: delete all now.
    std::vector<QPointer<HelpViewer>> open;
    open.swap(windows);
    for (const QPointer<HelpViewer>& window : open) delete window.data();
}

void HelpWindows::Forget() {
    std::erase_if(windows, [](const QPointer<HelpViewer>& window) { return window.isNull(); });
}

int HelpWindows::Count() {
    Forget();
    int open = 0;
    for (const QPointer<HelpViewer>& window : windows) {
        if (window->isVisible()) ++open;
    }
    return open;
}

HelpViewer* HelpWindows::Find(const QString& helpFile) {
    Forget();
    const QString key = Key(helpFile);
    for (const QPointer<HelpViewer>& window : windows) {
        if (window->File().Path() == key && window->isVisible()) return window.data();
    }
    return nullptr;
}
