#include "help/HelpVersions.h"

#include <cstdint>

namespace {

using Version = HelpVersions::Version;

struct Threshold {
    std::uint16_t major, minor, release, build;
    const char* text;
};

Version Of(const Threshold& row) {
    Version version;
    version.found = true;
    version.numbers = {row.major, row.minor, row.release, row.build};
    return version;
}

// The control's releases, newest first: the first row the version reaches names it.
constexpr Threshold helpControlReleases[] = {
    {5, 2, 3669, 0, "1.4a"},  {5, 2, 3626, 0, "1.4"},  {4, 74, 9273, 0, "1.33"}, {4, 74, 8857, 0, "1.32"},
    {4, 74, 8793, 0, "1.31"}, {4, 74, 8702, 0, "1.3"}, {4, 73, 8561, 0, "1.22"}, {4, 73, 8474, 0, "1.21a"},
    {4, 73, 8412, 0, "1.21"}, {4, 73, 8252, 0, "1.2"}, {4, 72, 8164, 0, "1.1b"}, {4, 72, 7325, 0, "1.1a"},
    {4, 72, 7323, 0, "1.1"},  {4, 72, 7290, 0, "1.0"},
};

constexpr Threshold browserReleases[] = {
    {6, 0, 3790, 0, "Internet Explorer 6 (Windows Server 2003)"},
    {6, 0, 3718, 0, "Internet Explorer 6 (Windows Server 2003 RC2)"},
    {6, 0, 3663, 0, "Internet Explorer 6 (Windows Server 2003 RC1)"},
    {6, 0, 2900, 2180, "Internet Explorer 6 (Windows XP SP2)"},
    {6, 0, 2800, 1106, "Internet Explorer 6 SP1"},
    {6, 0, 2712, 300, "Internet Explorer 6 (Windows XP + minor update)"},
    {6, 0, 2600, 0, "Internet Explorer 6 (Windows XP)"},
    {6, 0, 2479, 6, "Internet Explorer 6 Public Preview (Beta) Refresh"},
    {6, 0, 2462, 0, "Internet Explorer 6 Public Preview (Beta)"},
    {5, 50, 4807, 2300, "Internet Explorer 5.5 Service Pack 2"},
    {5, 50, 4522, 1800, "Internet Explorer 5.5 Service Pack 1"},
    {5, 50, 4308, 2900, "Internet Explorer 5.5 Advanced Security Privacy Beta"},
    {5, 50, 4134, 600, "Internet Explorer 5.5"},
    {5, 50, 4134, 100, "Internet Explorer 5.5 for Windows Me (4.90.3000)"},
    {5, 50, 4030, 2400, "Internet Explorer 5.5 & Internet Tools Beta"},
    {5, 50, 3825, 1300, "Internet Explorer 5.5 Developer Preview"},
    {5, 0, 2919, 6307, "Internet Explorer 5.01"},
    {5, 0, 2919, 3800, "Internet Explorer 5.01 (Windows 2000 RC2, build 5.00.2128)"},
    {5, 0, 2919, 800, "Internet Explorer 5.01 (Windows 2000 RC1, build 5.00.2072)"},
    {5, 0, 2721, 1400, "Internet Explorer 5.0 updated"},
    {5, 0, 2614, 0, "Internet Explorer 5.0b"},
    {5, 0, 2314, 0, "Internet Explorer 5.0a"},
    {5, 0, 2014, 0, "Internet Explorer 5.0"},
    {5, 0, 910, 0, "Internet Explorer 5 Beta (Beta 2)"},
    {5, 0, 518, 0, "Internet Explorer 5 Developer Preview (Beta 1)"},
    {4, 72, 3612, 0, "Internet Explorer 4.01 Service Pack 2 (SP2)"},
    {4, 72, 3110, 0, "Internet Explorer 4.01 Service Pack 1 (SP1)"},
    {4, 72, 2106, 0, "Internet Explorer 4.01"},
    {4, 71, 1712, 0, "Internet Explorer 4.0"},
    {4, 71, 1008, 0, "Internet Explorer 4.0 Platform Preview 2.0 (PP2)"},
    {4, 71, 544, 0, "Internet Explorer 4.0 Platform Preview 1.0 (PP1)"},
    {4, 70, 1300, 0, "Internet Explorer 3.02"},
    {4, 70, 1215, 0, "Internet Explorer 3.01"},
    {4, 70, 1158, 0, "Internet Explorer 3.0 (OSR2)"},
    {4, 70, 1155, 0, "Internet Explorer 3.0"},
    {4, 40, 520, 0, "Internet Explorer 2.0"},
    {4, 40, 308, 0, "Internet Explorer 1.0 (Plus!)"},
};

template <std::size_t N>
const char* FirstReached(const Version& version, const Threshold (&rows)[N]) {
    for (const Threshold& row : rows) {
        if (HelpVersions::CompareVersions(version, Of(row)) >= 0) return row.text;
    }
    return nullptr;
}

}  // namespace

QString HelpVersions::Text(const Version& version) {
    if (!version.found) return {};
    return QStringLiteral("%1.%2.%3.%4")
        .arg(version.numbers[0])
        .arg(version.numbers[1])
        .arg(version.numbers[2])
        .arg(version.numbers[3]);
}

QString HelpVersions::FileVersionText(const QString& path, Version* version) {
    const Version found = HelpPlatform::VersionResource(path);
    if (version) *version = found.found ? found : Version{};
    return Text(found);
}

int HelpVersions::CompareVersions(const Version& a, const Version& b) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (a.numbers[i] != b.numbers[i]) return a.numbers[i] > b.numbers[i] ? 1 : -1;
    }
    return 0;
}

QString HelpVersions::HelpControlFriendlyVersion(const Version& version) {
    if (!version.found) return {};
    if (CompareVersions(version, Of(helpControlReleases[0])) > 0) return QStringLiteral("> 1.4a");
    const char* text = FirstReached(version, helpControlReleases);
    return text ? QString::fromLatin1(text) : QStringLiteral("< 1.0");
}

QString HelpVersions::BrowserFriendlyVersion(const Version& version) {
    if (!version.found) return {};
    if (version.numbers[0] >= 7) return QStringLiteral(">= Internet Explorer ") + Text(version);
    const char* text = FirstReached(version, browserReleases);
    return text ? QString::fromLatin1(text) : QStringLiteral("< Internet Explorer 1.0 (Plus!)");
}

HelpVersions::Version HelpVersions::MoveOldBrowserBuild(const Version& version) {
    Version moved = version;
    if (version.found && version.numbers[0] == 4 && version.numbers[1] <= 70 && version.numbers[2] == 0) {
        moved.numbers[2] = version.numbers[3];
        moved.numbers[3] = 0;
    }
    return moved;
}
