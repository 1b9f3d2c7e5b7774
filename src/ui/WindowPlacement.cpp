#include "WindowPlacement.h"

#include "platform/SettingsStore.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

const std::string section = "Window";

bool onSomeScreen(const QRect& rect)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->availableGeometry().intersects(rect); });
}

} // namespace

WindowPlacement PlacementOf(const QWidget& window)
{
    WindowPlacement placement;
    const Qt::WindowStates state = window.windowState();
    if (state & Qt::WindowMinimized) {
        placement.show = WindowPlacement::showMinimized;
        if (state & Qt::WindowMaximized)
            placement.flags |= WindowPlacement::restoreToMaximized;
    } else if (state & Qt::WindowMaximized) {
        placement.show = WindowPlacement::showMaximized;
    }
    // The window system places minimised and maximised windows itself; the
    // two positions are kept only so that the stored set stays complete.
    const QRect normal = window.normalGeometry();
    placement.normal = normal.isValid() ? normal : window.geometry();
    return placement;
}

WindowPlacement ReadPlacement(const platform::SettingsStore& settings, const WindowPlacement& fallback)
{
    WindowPlacement placement;
    placement.show = settings.GetInt(section, "show", fallback.show);
    placement.flags = settings.GetInt(section, "flags", fallback.flags);
    placement.minPosition = {settings.GetInt(section, "minposx", fallback.minPosition.x()),
                             settings.GetInt(section, "minposy", fallback.minPosition.y())};
    placement.maxPosition = {settings.GetInt(section, "maxposx", fallback.maxPosition.x()),
                             settings.GetInt(section, "maxposy", fallback.maxPosition.y())};
    const int left = settings.GetInt(section, "left", fallback.normal.left());
    const int top = settings.GetInt(section, "top", fallback.normal.top());
    const int right = settings.GetInt(section, "right", fallback.normal.left() + fallback.normal.width());
    const int bottom = settings.GetInt(section, "bottom", fallback.normal.top() + fallback.normal.height());
    placement.normal = QRect(left, top, right - left, bottom - top);
    return placement;
}

void WritePlacement(platform::SettingsStore& settings, const WindowPlacement& placement)
{
    settings.SetInt(section, "show", placement.show);
    settings.SetInt(section, "flags", placement.flags);
    settings.SetInt(section, "minposx", placement.minPosition.x());
    settings.SetInt(section, "minposy", placement.minPosition.y());
    settings.SetInt(section, "maxposx", placement.maxPosition.x());
    settings.SetInt(section, "maxposy", placement.maxPosition.y());
    settings.SetInt(section, "left", placement.normal.left());
    settings.SetInt(section, "top", placement.normal.top());
    settings.SetInt(section, "right", placement.normal.left() + placement.normal.width());
    settings.SetInt(section, "bottom", placement.normal.top() + placement.normal.height());
}

void ShowPlaced(QWidget& window, const WindowPlacement& placement)
{
    // A rectangle from a screen that is no longer attached would put the
    // window out of reach; it then keeps the place it was created with.
    if (placement.normal.isValid() && onSomeScreen(placement.normal))
        window.setGeometry(placement.normal);

    // A program that comes up as an icon looks as if it had not started, so a
    // window closed minimised comes back the way it would have been restored.
    const bool maximized =
        placement.show == WindowPlacement::showMaximized ||
        (placement.show == WindowPlacement::showMinimized && (placement.flags & WindowPlacement::restoreToMaximized));
    if (maximized)
        window.showMaximized();
    else
        window.showNormal();
}
