#pragma once

#include <QString>
#include <QStringList>

#include "help/HelpPlatform.h"

// What the help modules learn once at start and only read afterwards: where the program lies,
// whether tracing is on, and the versions of the help control and the browser component that
// the trace log's header reports.
struct HelpModuleState {
    QString ModulePath;
    QString ModuleDir;
    QString ModuleName;
    QString RunDir;
    QString LogFolder;
    QStringList Arguments;
    bool HelpTraceSwitch = false;
    QString hhVerStr;
    HelpPlatform::Version hhVersion;
    bool hhInstalled = false;
    QString hhFriendlyVerStr;
    QString ieVerStr;
    HelpPlatform::Version ieVersion;
    bool ieInstalled = false;
    QString ieFriendlyVerStr;
};
