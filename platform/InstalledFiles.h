#pragma once

#include <QString>

// The help file's path for a program in programFolder: beside the program first, as in a build
// tree or an unpacked archive, then in the data folder an installation puts it in. When neither
// exists the path beside the program is returned, so a missing file is reported there.
QString FindHelpFile(const QString& programFolder);
