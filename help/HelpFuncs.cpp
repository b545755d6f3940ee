#include "help/HelpFuncs.h"

#include <QFileInfo>
#include <QWidget>

#include "help/ApplicationHelp.h"
#include "help/HelpControl.h"
#include "help/HelpVersions.h"
#include "help/SafeFile.h"
#include "help/TDLogFile.h"

namespace {

HelpFuncs::State state;
std::unique_ptr<TDLogFile> helpLog;

QString WithoutTrailingSlashes(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

}  // namespace

void HelpFuncs::Start() {
    Start(HelpPlatform::ModulePath(), HelpPlatform::Arguments());
}

void HelpFuncs::Start(const QString& modulePath, const QStringList& arguments) {
    helpLog.reset();
    state = State{};
    const QFileInfo module(modulePath);
    state.ModulePath = modulePath;
    state.ModuleDir = WithoutTrailingSlashes(module.absolutePath());
    state.ModuleName = module.fileName();
    // The process reports the same file on this system.
    state.RunDir = state.ModuleDir;
    state.Arguments = arguments;
    state.LogFolder = IsFolderWritable(state.ModuleDir) ? state.ModuleDir : TempFolder();

    state.HelpTraceSwitch = QFileInfo::exists(state.ModuleDir + QStringLiteral("/debug.debug")) ||
                            DebugArgument(arguments);

    state.hhVerStr = HelpVersions::FileVersionText(HelpControl::FindHelpControlPath(), &state.hhVersion);
    state.hhInstalled = !state.hhVerStr.isEmpty();
    state.hhFriendlyVerStr = HelpVersions::HelpControlFriendlyVersion(state.hhVersion);

    HelpVersions::FileVersionText(HelpPlatform::SystemFolder() + QStringLiteral("/Shdocvw.dll"), &state.ieVersion);
    state.ieVersion = HelpVersions::MoveOldBrowserBuild(state.ieVersion);
    state.ieVerStr = HelpVersions::Text(state.ieVersion);
    state.ieInstalled = !state.ieVerStr.isEmpty();
    state.ieFriendlyVerStr = HelpVersions::BrowserFriendlyVersion(state.ieVersion);

    // With neither folder usable there is no log at all (an empty path drops every line).
    const QString logPath = state.LogFolder.isEmpty() ? QString() : state.LogFolder + QStringLiteral("/HHDebug.txt");
    helpLog = std::make_unique<TDLogFile>(logPath, state.HelpTraceSwitch, true, true, false);
}

void HelpFuncs::Finish() {
    helpLog.reset();
    state = State{};
}

const HelpFuncs::State& HelpFuncs::Module() {
    return state;
}

TDLogFile* HelpFuncs::HelpLog() {
    return helpLog.get();
}

void HelpFuncs::HelpTrace(const QString& text) {
    if (helpLog) helpLog->Trace(text);
}

int HelpFuncs::HHHelpContext(const QString& helpFile, std::int32_t context, const QString& windowName,
                             std::uint8_t viewerKind) {
    HelpTrace(QStringLiteral("HHHelpContext(\"%1\", %2, \"%3\", %4)")
                  .arg(helpFile, QString::number(context), windowName, QString::number(viewerKind)));
    QString file = helpFile;
    QString window = windowName;
    file = file.replace(QStringLiteral("%20"), QStringLiteral(" ")).trimmed();
    window = window.replace(QStringLiteral("%20"), QStringLiteral(" ")).trimmed();
    const QString path = window.isEmpty() ? file : file + QLatin1Char('>') + window;
    return ShowContext(path, context, viewerKind);
}

int HelpFuncs::ShowContext(const QString& path, std::int32_t context, std::uint8_t viewerKind) {
    HelpTrace(QStringLiteral("ShowContext(\"%1\", %2)").arg(path, QString::number(viewerKind)));
    int code = Done;
    if (!state.hhInstalled) {
        code = NotInstalled;
    } else if (const HelpControl::HtmlHelpEntry htmlHelp = HelpControl::HtmlHelpA()) {
        QWidget* window = htmlHelp(nullptr, path, HelpControl::HH_HELP_CONTEXT, context);
        if (window) {
            window->raise();
            window->activateWindow();
        }
    }
    HelpTrace(QStringLiteral("  returned - %1").arg(code));
    return code;
}

QString HelpFuncs::NotInstalledText() {
    return QStringLiteral("MS Html Help is not installed on this PC.");
}

void HelpFuncs::HHShowError(int code) {
    if (code != NotInstalled) return;
    HelpPlatform::MessageBox(ApplicationHelp::Title(), NotInstalledText());
    HelpTrace(QStringLiteral("HHShowError(%1), \"%2\"").arg(QString::number(code), NotInstalledText()));
}

QString HelpFuncs::HelpCommandName(std::uint32_t command) {
    const char* name = "??";
    switch (command) {
        case 1: name = "HELP_CONTEXT"; break;
        case 2: name = "HELP_QUIT"; break;
        case 3: name = "HELP_INDEX or HELP_CONTENTS"; break;
        case 4: name = "HELP_HELPONHELP"; break;
        case 5: name = "HELP_SETINDEX or HELP_SETCONTENTS"; break;
        case 8: name = "HELP_CONTEXTPOPUP"; break;
        case 9: name = "HELP_FORCEFILE"; break;
        case 10: name = "HELP_CONTEXTMENU"; break;
        case 11: name = "HELP_FINDER"; break;
        case 12: name = "HELP_WM_HELP"; break;
        case 13: name = "HELP_SETPOPUP_POS"; break;
        case 257: name = "HELP_KEY"; break;
        case 258: name = "HELP_COMMAND"; break;
        case 261: name = "HELP_PARTIALKEY"; break;
        case 513: name = "HELP_MULTIKEY"; break;
        case 515: name = "HELP_SETWINPOS"; break;
        default: break;
    }
    return QStringLiteral("%1 (%2)").arg(QString::number(command), QString::fromLatin1(name));
}

bool HelpFuncs::DebugArgument(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0 ||
            argument.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

bool HelpFuncs::IsFolderWritable(const QString& folder) {
    const QString probe = WithoutTrailingSlashes(folder) + QStringLiteral("/$_Temp_$.$$$");
    if (!SafeFile::CreateNew(probe)) {
        // A probe left by a crashed run is ours to clear; anything else keeps its name.
        const QFileInfo left(probe);
        if (left.isSymLink() || !left.isFile() || !left.isWritable() || !SafeFile::Remove(probe) ||
            !SafeFile::CreateNew(probe)) {
            return false;
        }
    }
    SafeFile::Remove(probe);
    return true;
}

QString HelpFuncs::TempFolder() {
    return WithoutTrailingSlashes(HelpPlatform::StateFolder());
}
