#include "help/HelpPlatform.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSysInfo>
#include <algorithm>
#include <array>
#include <cerrno>

#include "platform/InputGuard.h"

#ifndef TVDL_INSTALLED_HELP_FILE
#define TVDL_INSTALLED_HELP_FILE ""
#endif
#ifndef TVDL_HELP_FILE_FROM_PROGRAM
#define TVDL_HELP_FILE_FROM_PROGRAM ""
#endif
#ifndef TVDL_INSTALLED_HELP_VIEWER
#define TVDL_INSTALLED_HELP_VIEWER ""
#endif
#ifndef TVDL_HELP_VIEWER_FROM_PROGRAM
#define TVDL_HELP_VIEWER_FROM_PROGRAM ""
#endif
#ifndef TVDL_VERSION_TEXT
#define TVDL_VERSION_TEXT "0"
#endif

namespace {

// The first of: the file beside the program, the file in the installed tree the program lies in,
// the file where the tree was built to be installed; else the one beside the program.
QString InstalledFile(const QString& programFolder, const QString& name, const QString& fromProgram,
                      const QString& installed) {
    const QString beside = programFolder + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside)) return beside;
    if (!fromProgram.isEmpty()) {
        const QString moved = QDir::cleanPath(programFolder + QLatin1Char('/') + fromProgram);
        if (QFileInfo::exists(moved)) return moved;
    }
    if (!installed.isEmpty() && QFileInfo::exists(installed)) return installed;
    return beside;
}

HelpPlatform::Version VersionFromText(const QString& text) {
    HelpPlatform::Version version;
    const QStringList parts = text.split(QLatin1Char('.'));
    for (int i = 0; i < parts.size() && i < 4; ++i) {
        bool ok = false;
        const uint value = parts[i].toUInt(&ok);
        if (!ok || value > 0xFFFF) return {};
        version.numbers[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(value);
    }
    version.found = true;
    return version;
}

QString RealPath(const QString& path) {
    return QFileInfo(path).canonicalFilePath();
}

// Plain string work below: a regular expression would bring its compiler into every start of the
// game, which looks at these numbers before its window opens.
bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "1.0.0" from "libchm.so.1.0.0": one to four groups of digits after the last ".so."; empty when
// the name ends otherwise.
QString SonameNumbers(const QString& fileName) {
    const qsizetype at = fileName.lastIndexOf(QLatin1String(".so."));
    if (at < 0) return {};
    const QString numbers = fileName.mid(at + 4);
    const QStringList groups = numbers.split(QLatin1Char('.'));
    if (groups.size() > 4) return {};
    for (const QString& group : groups) {
        if (group.isEmpty() || !std::all_of(group.begin(), group.end(), IsDigit)) return {};
    }
    return numbers;
}

// Up to three leading groups of digits, "6.1.0-18-amd64" giving 6, 1 and 0; missing ones are 0.
std::array<int, 3> LeadingNumbers(const QString& text) {
    std::array<int, 3> numbers{};
    qsizetype at = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            if (at >= text.size() || text[at] != QLatin1Char('.')) break;
            ++at;
        }
        const qsizetype start = at;
        while (at < text.size() && IsDigit(text[at])) ++at;
        if (at == start) break;
        numbers[i] = text.mid(start, at - start).toInt();
    }
    return numbers;
}

}  // namespace

QString HelpPlatform::ModulePath() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QStringList HelpPlatform::Arguments() {
    if (!QCoreApplication::instance()) return {};
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty()) arguments.removeFirst();
    return arguments;
}

QString HelpPlatform::RawCommandLine() {
    QFile file(QStringLiteral("/proc/self/cmdline"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = file.readAll();
    if (bytes.endsWith('\0')) bytes.chop(1);
    bytes.replace('\0', ' ');
    return QString::fromLocal8Bit(bytes);
}

QString HelpPlatform::SystemFolder() {
    return QStringLiteral("/usr/lib");
}

QString HelpPlatform::WindowsFolder() {
    return QStringLiteral("/usr");
}

QString HelpPlatform::TempFolder() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) {
        const QString home = QDir::homePath();
        if (home.isEmpty() || home == QLatin1String("/")) return {};
        base = home + QStringLiteral("/.local/state");
    }
    const QString folder = QDir::cleanPath(base + QStringLiteral("/tvdl"));
    // Only the player may list or plant anything in it.
    QDir().mkpath(base);
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return {};
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return {};
    return folder;
}

QString HelpPlatform::HelpControlName() {
    const QString chosen = qEnvironmentVariable("TVDL_HELP_LIBRARY");
    return chosen.isEmpty() ? QStringLiteral("libchm.so.1") : chosen;
}

QString HelpPlatform::RegisteredHelpControl() {
    const QString name = HelpControlName();
    if (!QDir::isAbsolutePath(name) || !QFileInfo::exists(name)) return {};
    return RealPath(name);
}

HelpPlatform::Version HelpPlatform::VersionResource(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) return {};
    const QString real = file.canonicalFilePath();
    if (real == RealPath(QStringLiteral("/proc/self/exe"))) {
        return VersionFromText(QStringLiteral(TVDL_VERSION_TEXT));
    }
    const QString numbers = SonameNumbers(QFileInfo(real).fileName());
    if (numbers.isEmpty()) return {};
    return VersionFromText(numbers);
}

HelpPlatform::OperatingSystem HelpPlatform::System() {
    OperatingSystem system;
    system.name = QSysInfo::kernelType();
    if (!system.name.isEmpty()) system.name[0] = system.name[0].toUpper();
    const std::array<int, 3> numbers = LeadingNumbers(QSysInfo::kernelVersion());
    system.major = numbers[0];
    system.minor = numbers[1];
    system.build = numbers[2];
    system.servicePack = QSysInfo::prettyProductName();
    return system;
}

std::uint32_t HelpPlatform::DefaultLocaleId() {
    // Primary language in the low ten bits and the sub-language above, as locale ids are built.
    const QLocale locale = QLocale::system();
    const auto primary = static_cast<std::uint32_t>(locale.language()) & 0x3FF;
    const auto sub = static_cast<std::uint32_t>(locale.territory()) & 0x3F;
    return (sub << 10) | primary;
}

QString HelpPlatform::DecimalSeparator() {
    return QLocale::system().decimalPoint();
}

QString HelpPlatform::HelpFilePath(const QString& programFolder) {
    return InstalledFile(programFolder, QStringLiteral("tvdl.chm"),
                         QStringLiteral(TVDL_HELP_FILE_FROM_PROGRAM),
                         QStringLiteral(TVDL_INSTALLED_HELP_FILE));
}

QString HelpPlatform::ViewerProgram(const QString& programFolder) {
    return InstalledFile(programFolder, QStringLiteral("tvdl-help"),
                         QStringLiteral(TVDL_HELP_VIEWER_FROM_PROGRAM),
                         QStringLiteral(TVDL_INSTALLED_HELP_VIEWER));
}

void HelpPlatform::MessageBox(const QString& caption, const QString& text) {
    // Nobody could answer a modal box on the offscreen platform, so it only logs there.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        qWarning("%s: %s", qUtf8Printable(caption), qUtf8Printable(text));
        return;
    }
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok);
    // A key or click meant for what lay under the box must not answer it unread.
    new InputGuard(box);
    box.exec();
}
