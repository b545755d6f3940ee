#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;
class SettingsStore;

// Keeps the main window's position between runs as one placement text in section "Form",
// value "MainForm": "200,flags,show,left,top,right,bottom", right and bottom exclusive.
// Only the position comes back; size, state, colour and font are not kept.
class PositionKeeper {
public:
    explicit PositionKeeper(SettingsStore& settings);

    // The placement text for a window's normal rectangle.
    static QString PlacementText(int flags, int showCommand, QRect normal);

    // Where a window of the given size goes for a stored placement text, kept on the desktop;
    // nothing when the text is missing or malformed.
    static std::optional<QPoint> RestoredPosition(const QString& text, QSize windowSize, QRect desktop);

    // Moves the window to its stored position, if there is one.
    void Restore(QWidget& window) const;
    // The stored position for a window of that outer size on that desktop, as Restore finds it.
    std::optional<QPoint> StoredCorner(QSize outerSize, QRect desktop) const;
    // Stores the window's position, or the normal rectangle given for it (an enlarged window's
    // place is kept as it stands at scale one), and drops the colour and font older versions kept.
    void Record(const QWidget& window, std::optional<QRect> normal = std::nullopt) const;

private:
    SettingsStore& store;
};
