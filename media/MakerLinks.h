#pragma once

#include <QString>

// The maker's addresses, opened from the banner and from the about box.
inline QString MakerWebAddress() {
    return QStringLiteral("https://www.example.org/torvik");
}

inline QString MakerMailAddress() {
    return QStringLiteral("torvik@example.org");
}
