#include "help/HelpFuncs.h"

#include <QFileInfo>

#include "help/HelpApi.h"
#include "help/HelpControl.h"
#include "help/HelpSystem.h"
#include "help/HelpVersions.h"
#include "help/SafeFile.h"
#include "help/TDLogFile.h"

namespace {

QString WithoutTrailingSlashes(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

}  // namespace

void HelpFuncs::Start() {
    Start(HelpPlatform::ModulePath(), HelpPlatform::Arguments());
}

void HelpFuncs::Start(const QString& modulePath, const QStringList& arguments) {
    system.SetHelpLog(nullptr);
    HelpModuleState& state = system.Module();
    state = HelpModuleState{};
    const QFileInfo module(modulePath);
    state.ModulePath = modulePath;
    state.ModuleDir = WithoutTrailingSlashes(module.absolutePath());
    state.ModuleName = module.fileName();
    // The process reports the same file on this system.
    state.RunDir = state.ModuleDir;
    state.Arguments = arguments;
    state.LogFolder =
        SafeFile::IsFolderWritable(state.ModuleDir) ? state.ModuleDir : HelpPlatform::TempFolder();

    state.HelpTraceSwitch =
        QFileInfo::exists(state.ModuleDir + QStringLiteral("/debug.debug")) || DebugArgument(arguments);

    // Only the file is looked at: the control itself is loaded when help is first asked for.
    state.hhVerStr = HelpVersions::FileVersionText(HelpControl::FindHelpControlPath(), &state.hhVersion);
    state.hhInstalled = !state.hhVerStr.isEmpty();
    state.hhFriendlyVerStr = HelpVersions::HelpControlFriendlyVersion(state.hhVersion);

    HelpVersions::FileVersionText(HelpPlatform::SystemFolder() + QStringLiteral("/Shdocvw.dll"),
                                  &state.ieVersion);
    state.ieVersion = HelpVersions::MoveOldBrowserBuild(state.ieVersion);
    state.ieVerStr = HelpVersions::Text(state.ieVersion);
    state.ieInstalled = !state.ieVerStr.isEmpty();
    state.ieFriendlyVerStr = HelpVersions::BrowserFriendlyVersion(state.ieVersion);

    // With neither folder usable there is no log at all (an empty path drops every line).
    const QString logPath =
        state.LogFolder.isEmpty() ? QString() : state.LogFolder + QStringLiteral("/HHDebug.txt");
    system.SetHelpLog(std::make_unique<TDLogFile>(state, logPath, state.HelpTraceSwitch, true, true, false));
}

void HelpFuncs::Finish() {
    system.SetHelpLog(nullptr);
    system.Module() = HelpModuleState{};
}

const HelpModuleState& HelpFuncs::Module() const {
    return system.Module();
}

TDLogFile* HelpFuncs::HelpLog() const {
    return system.HelpLog();
}

void HelpFuncs::HelpTrace(const QString& text) {
    if (TDLogFile* log = HelpLog()) log->Trace(text);
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
    if (!Module().hhInstalled) {
        code = NotInstalled;
    } else {
        HelpControl(system).LoadHelpControl();
        // The viewer brings its window to the front itself; trouble is reported when it comes.
        HelpApi(system).HtmlHelpA(path, HelpApi::HH_HELP_CONTEXT, context);
    }
    HelpTrace(QStringLiteral("  returned - %1").arg(code));
    return code;
}

QString HelpFuncs::NotInstalledText() {
    return QStringLiteral("MS Html Help is not installed on this PC.");
}

QString HelpFuncs::DamagedText(Language language) {
    return Pick(language, QString::fromUtf8("Die Hilfedatei ist beschädigt."),
                QStringLiteral("The help file is damaged."));
}

void HelpFuncs::HHShowError(int code) {
    if (code != NotInstalled && code != Damaged) return;
    const QString text = code == NotInstalled ? NotInstalledText() : DamagedText(system.MessageLanguage());
    system.MessageBox(HelpApi::Title(), text);
    HelpTrace(QStringLiteral("HHShowError(%1), \"%2\"").arg(QString::number(code), text));
}

QString HelpFuncs::HelpCommandName(std::uint32_t command) {
    const char* name = "??";
    switch (command) {
        case 1:
            name = "HELP_CONTEXT";
            break;
        case 2:
            name = "HELP_QUIT";
            break;
        case 3:
            name = "HELP_INDEX or HELP_CONTENTS";
            break;
        case 4:
            name = "HELP_HELPONHELP";
            break;
        case 5:
            name = "HELP_SETINDEX or HELP_SETCONTENTS";
            break;
        case 8:
            name = "HELP_CONTEXTPOPUP";
            break;
        case 9:
            name = "HELP_FORCEFILE";
            break;
        case 10:
            name = "HELP_CONTEXTMENU";
            break;
        case 11:
            name = "HELP_FINDER";
            break;
        case 12:
            name = "HELP_WM_HELP";
            break;
        case 13:
            name = "HELP_SETPOPUP_POS";
            break;
        case 257:
            name = "HELP_KEY";
            break;
        case 258:
            name = "HELP_COMMAND";
            break;
        case 261:
            name = "HELP_PARTIALKEY";
            break;
        case 513:
            name = "HELP_MULTIKEY";
            break;
        case 515:
            name = "HELP_SETWINPOS";
            break;
        default:
            break;
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
