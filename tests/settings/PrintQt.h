#pragma once

#include <QPoint>
#include <QString>
#include <ostream>

// Failed expectations show texts and points as such instead of as raw bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QPoint& point, std::ostream* out) {
    *out << '(' << point.x() << ", " << point.y() << ')';
}
