#pragma once

#include <QString>

class SettingsStore;

// The quick-launch shortcut: when "Quick Launch Icon" is on and the store names the user's
// quick-launch folder ("Quick Launch" in "Microsoft\Windows\CurrentVersion\GrpConv\MapGroups";
// Linux has none unless it is set there), a "Kestrel Browser.desktop" shortcut to the program
// is made in that folder unless one is already there.
namespace QuickLaunch {
inline const QString IconKey = QStringLiteral("Quick Launch Icon");

// The quick-launch folder the store names; empty when none.
QString folder(const SettingsStore &store);
// True when a shortcut was made.
bool makeShortcut(SettingsStore &store, const QString &executable, const QString &dataFolder);
}
