#pragma once

#include <QString>

#include "help/HelpPlatform.h"

// Version texts of program files and the friendly names the trace log gives them.
class HelpVersions {
public:
    using Version = HelpPlatform::Version;

    // Four decimal numbers joined by full stops, or empty with four zeros when the file does not
    // exist or carries no version.
    static QString FileVersionText(const QString& path, Version* version = nullptr);
    static QString Text(const Version& version);
    // 1 when a is newer, 0 when equal, -1 when older; major first, each as an unsigned 16-bit number.
    static int CompareVersions(const Version& a, const Version& b);

    // The help control's release name for its file version; empty when there is no version.
    static QString HelpControlFriendlyVersion(const Version& version);
    // The browser component's release name; empty when there is no version.
    static QString BrowserFriendlyVersion(const Version& version);
    // Old browser components keep their build number in the release place.
    static Version MoveOldBrowserBuild(const Version& version);
};
