#pragma once

#include <QRect>
#include <QSize>

class SettingsStore;

// The main window's place as kept in the store: "Maximized", and for a window that is not
// maximized "Top", "Left", "Width" and "Height" (the window's position and the size of its
// client area). A fresh user gets a window at 0, 0 sized to 80 % of the screen.
class WindowPlacement
{
public:
    bool maximized = false;
    QRect geometry;

    // screen: the primary screen's size (for the defaults); desktop: the area all screens
    // cover. Stored values that cannot give a usable window are mended: a size below 100 takes
    // the default, a size beyond the desktop is cut to it, and a window entirely off the
    // desktop goes to 0, 0.
    static WindowPlacement read(const SettingsStore &store, QSize screen, const QRect &desktop);
    // "Maximized" always; the other four only when not maximized, so they keep the values of
    // an earlier close.
    void write(SettingsStore &store) const;

    static QSize defaultSize(QSize screen);
};
