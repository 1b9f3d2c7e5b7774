#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace platform {
class SettingsStore;
}

// Where the main window stands, in the ten values of the settings section
// "Window": the show state, flags, the minimised and maximised positions and
// the normal rectangle (right and bottom lie just outside it).
struct WindowPlacement {
    static constexpr int showNormal = 1;
    static constexpr int showMinimized = 2;
    static constexpr int showMaximized = 3;
    // In flags: a minimised window goes back to maximised.
    static constexpr int restoreToMaximized = 2;

    int show = showNormal;
    int flags = 0;
    QPoint minPosition{-1, -1};
    QPoint maxPosition{-1, -1};
    QRect normal;

    bool operator==(const WindowPlacement&) const = default;
};

WindowPlacement PlacementOf(const QWidget& window);
// Each value missing from the settings keeps the one of the fallback.
WindowPlacement ReadPlacement(const platform::SettingsStore& settings, const WindowPlacement& fallback);
void WritePlacement(platform::SettingsStore& settings, const WindowPlacement& placement);
// Moves the window to its normal rectangle and shows it in the stored state.
void ShowPlaced(QWidget& window, const WindowPlacement& placement);
