#include "help/HelpControl.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <dlfcn.h>

#include "help/HelpPlatform.h"
#include "help/HelpWindows.h"

namespace {

void* library = nullptr;
HelpControl::HtmlHelpEntry htmlHelp = nullptr;
ChmApi chm;

void* Open(const QString& name) {
    return ::dlopen(QFile::encodeName(name).constData(), RTLD_NOW | RTLD_LOCAL);
}

template <typename Function>
bool Resolve(Function& function, const char* name) {
    function = reinterpret_cast<Function>(::dlsym(library, name));
    return function != nullptr;
}

}  // namespace

void HelpControl::LoadHelpControl() {
    if (library) return;
    library = Open(HelpPlatform::HelpControlName());
    if (!library) {
        const QString path = FindHelpControlPath();
        if (!path.isEmpty() && QFileInfo::exists(path)) library = Open(path);
    }
    if (!library) return;
    const bool complete = Resolve(chm.open, "chm_open") && Resolve(chm.close, "chm_close") &&
                          Resolve(chm.resolveObject, "chm_resolve_object") &&
                          Resolve(chm.retrieveObject, "chm_retrieve_object");
    if (complete) {
        htmlHelp = &HelpWindows::HtmlHelp;
    } else {
        chm = ChmApi{};
    }
}

void HelpControl::UnloadHelpControl() {
    if (!library) return;
    // No viewer may outlive the library its pages come from.
    HelpWindows::CloseAll();
    ::dlclose(library);
    library = nullptr;
    htmlHelp = nullptr;
    chm = ChmApi{};
}

bool HelpControl::Loaded() {
    return library != nullptr;
}

QString HelpControl::FindHelpControlPath() {
    QString path = ExpandSystemRoot(HelpPlatform::RegisteredHelpControl());
    if (!path.isEmpty() && !QFileInfo::exists(path)) path.clear();
    if (path.isEmpty()) path = HelpPlatform::SystemFolder() + QLatin1Char('/') + HelpPlatform::HelpControlName();
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
    if (!library) return;
    if (htmlHelp) htmlHelp(nullptr, QString(), HH_CLOSE_ALL, 0);
    QThread::yieldCurrentThread();
}

HelpControl::HtmlHelpEntry HelpControl::HtmlHelpA() {
    return htmlHelp;
}

const ChmApi& HelpControl::Chm() {
    return chm;
}
