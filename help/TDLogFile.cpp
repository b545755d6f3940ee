#include "help/TDLogFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "help/HelpModuleState.h"
#include "help/HelpPlatform.h"
#include "help/HelpVersions.h"
#include "help/SafeFile.h"
#include "platform/Clock.h"

namespace {

QString Hex4(std::uint32_t value) {
    return QStringLiteral("0x") + QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString YesNo(bool value) {
    return value ? QStringLiteral("YES") : QStringLiteral("NO");
}

}  // namespace

TDLogFile::TDLogFile(const HelpModuleState& state, const QString& path, bool traceOn, bool timePrefix,
                     bool headerOn, bool keepOld)
    : LogPath(path),
      TraceOn(traceOn),
      TimePrefix(timePrefix),
      HeaderOn(headerOn),
      KeepOld(keepOld),
      module(state) {
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (path.isEmpty() || !QFileInfo(folder).isDir() || !SafeFile::IsFolderWritable(folder)) {
        // No per-user folder either: every line is dropped rather than written somewhere shared.
        const QString temp = HelpPlatform::TempFolder();
        const QString name = file.fileName().isEmpty() ? QStringLiteral("HHDebug.txt") : file.fileName();
        LogPath = temp.isEmpty() ? QString() : temp + QLatin1Char('/') + name;
    }
    if (SafeFile::Exists(LogPath)) SafeFile::MakeWritable(LogPath);
    WriteHeader();
}

void TDLogFile::WriteLine(const QString& text) {
    QString line = text;
    if (line == QLatin1String("-")) line = QString(80, QLatin1Char('-'));
    if (line == QLatin1String("=")) line = QString(80, QLatin1Char('='));
    if (line.startsWith(QLatin1Char('!')) || line.startsWith(QLatin1Char('-')) ||
        line.startsWith(QLatin1Char('='))) {
        line.remove(0, 1);
    } else if (TimePrefix) {
        line.prepend(QLocale::system().toString(GameClock().LocalTime().time(), QLocale::LongFormat) +
                     QStringLiteral("   "));
    }
    SafeFile::Append(LogPath, line.toUtf8() + "\r\n");
}

void TDLogFile::Trace(const QString& text) {
    if (TraceOn) WriteLine(text);
}

void TDLogFile::WriteHeader() {
    if (SafeFile::Exists(LogPath) && !KeepOld) SafeFile::Remove(LogPath);
    if (!TraceOn || !HeaderOn) return;

    const QLocale locale = QLocale::system();
    const QDateTime now = GameClock().LocalTime();
    const HelpPlatform::OperatingSystem system = HelpPlatform::System();
    const std::uint32_t lcid = HelpPlatform::DefaultLocaleId();
    const std::uint32_t primary = lcid & 0x3FF;
    const std::uint32_t sub = lcid >> 10;
    // The first value of every row starts with a tab, so the values line up in any viewer.
    const auto tab = [](const QString& value) { return QLatin1Char('\t') + value; };
    const QString exePath = HelpPlatform::ModulePath();

    WriteLine(QStringLiteral("="));
    WriteLine(QStringLiteral("!Log File:             %1").arg(tab(LogPath)));
    WriteLine(QStringLiteral("!Date:                 %1")
                  .arg(tab(locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                           locale.toString(now.time(), QLocale::LongFormat))));
    WriteLine(
        QStringLiteral("!Operating System:      %1 %2.%3 (Build %4) %5")
            .arg(tab(system.name), QString::number(system.major), QString::number(system.minor),
                 QString::number(system.build),
                 system.servicePack.isEmpty() ? QStringLiteral("No Service Pack") : system.servicePack));
    WriteLine(QStringLiteral("!SysLocale.DefaultLCID: %1 (%2)").arg(tab(Hex4(lcid)), QString::number(lcid)));
    WriteLine(
        QStringLiteral("!SysLocale.PriLangID:   %1 (%2)").arg(tab(Hex4(primary)), QString::number(primary)));
    WriteLine(QStringLiteral("!SysLocale.SubLangID:   %1 (%2)").arg(tab(Hex4(sub)), QString::number(sub)));
    WriteLine(QStringLiteral("!DecimalSeparator:      %1").arg(tab(HelpPlatform::DecimalSeparator())));
    WriteLine(QStringLiteral("-"));
    WriteLine(QStringLiteral("!EXE Path =          %1").arg(tab(exePath)));
    WriteLine(QStringLiteral("!EXE Version =       %1").arg(tab(HelpVersions::FileVersionText(exePath))));
    WriteLine(
        QStringLiteral("!Cmdline Param(s) =  %1").arg(tab(module.Arguments.join(QStringLiteral(" | ")))));
    WriteLine(QStringLiteral("!Actual CmdLine =  %1").arg(tab(HelpPlatform::RawCommandLine())));
    WriteLine(QStringLiteral("!_RunDir =           %1").arg(tab(module.RunDir)));
    WriteLine(QStringLiteral("!_ModuleName =       %1").arg(tab(module.ModuleName)));
    WriteLine(QStringLiteral("!_ModuleDir =        %1").arg(tab(module.ModuleDir)));
    WriteLine(QStringLiteral("!_ModulePath =        %1").arg(tab(module.ModulePath)));
    WriteLine(QStringLiteral("!Module Version =       %1")
                  .arg(tab(HelpVersions::FileVersionText(module.ModulePath))));
    WriteLine(QStringLiteral("-"));
    WriteLine(QStringLiteral("!_hhInstalled =      %1").arg(tab(YesNo(module.hhInstalled))));
    WriteLine(QStringLiteral("!_hhVerStr =         %1").arg(tab(module.hhVerStr)));
    WriteLine(QStringLiteral("!_hhFriendlyVerStr = %1").arg(tab(module.hhFriendlyVerStr)));
    WriteLine(QStringLiteral("-"));
    WriteLine(QStringLiteral("!_ieInstalled =      %1").arg(tab(YesNo(module.ieInstalled))));
    WriteLine(QStringLiteral("!_ieVerStr =         %1").arg(tab(module.ieVerStr)));
    WriteLine(QStringLiteral("!_ieFriendlyVerStr = %1").arg(tab(module.ieFriendlyVerStr)));
    WriteLine(QStringLiteral("="));
}
