#include "shell/WindowPlacement.h"

#include "shell/SettingsStore.h"

#include <cmath>

namespace {
const QString Maximized = QStringLiteral("Maximized");
const QString Top = QStringLiteral("Top");
const QString Left = QStringLiteral("Left");
const QString Width = QStringLiteral("Width");
const QString Height = QStringLiteral("Height");
constexpr int SmallestSide = 100;

int mendSide(int stored, int fallback, int desktopSide)
{
    if (stored < SmallestSide)
        return fallback;
    return desktopSide >= SmallestSide ? qMin(stored, desktopSide) : stored;
}

// The position along one side that keeps a window of the given size within the desktop.
int fitAlong(int position, int size, int desktopStart, int desktopSize)
{
    const qint64 last = qint64(desktopStart) + desktopSize - size;
    return int(qBound(qint64(desktopStart), qint64(position), qMax(qint64(desktopStart), last)));
}

// Computed in 64 bits: stored positions may be anywhere in the integer range.
bool overlaps(qint64 left, qint64 top, QSize size, const QRect &desktop)
{
    return left < qint64(desktop.left()) + desktop.width() && left + size.width() > desktop.left()
        && top < qint64(desktop.top()) + desktop.height() && top + size.height() > desktop.top();
}
}

QSize WindowPlacement::defaultSize(QSize screen)
{
    return QSize(int(std::lround(screen.width() * 0.8)), int(std::lround(screen.height() * 0.8)));
}

WindowPlacement WindowPlacement::read(const SettingsStore &store, QSize screen, const QRect &desktop)
{
    const QString &section = SettingsStore::MainSection;
    WindowPlacement placement;
    const QSize fallback = defaultSize(screen);
    placement.geometry = QRect(QPoint(0, 0), fallback);
    placement.maximized = store.readBool(section, Maximized, false);
    if (placement.maximized)
        return placement;
    int left = store.readInteger(section, Left, 0);
    int top = store.readInteger(section, Top, 0);
    const int storedWidth = store.readInteger(section, Width, fallback.width());
    const int storedHeight = store.readInteger(section, Height, fallback.height());
    placement.geometry.setSize(QSize(mendSide(storedWidth, fallback.width(), desktop.width()),
                                     mendSide(storedHeight, fallback.height(), desktop.height())));
    // A size cut to the desktop was stored on a larger screen or at another scale: the window
    // is fitted wholly onto the desktop along that side.
    if (placement.geometry.width() < storedWidth)
        left = fitAlong(left, placement.geometry.width(), desktop.left(), desktop.width());
    if (placement.geometry.height() < storedHeight)
        top = fitAlong(top, placement.geometry.height(), desktop.top(), desktop.height());
    if (overlaps(left, top, placement.geometry.size(), desktop))
        placement.geometry.moveTopLeft(QPoint(left, top));
    return placement;
}

void WindowPlacement::write(SettingsStore &store) const
{
    const QString &section = SettingsStore::MainSection;
    store.writeBool(section, Maximized, maximized);
    if (maximized)
        return;
    store.writeInteger(section, Top, geometry.top());
    store.writeInteger(section, Left, geometry.left());
    store.writeInteger(section, Width, geometry.width());
    store.writeInteger(section, Height, geometry.height());
}
