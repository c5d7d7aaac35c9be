#pragma once

#include <QString>

class SettingsStore;

// The desktop's menu folder for the start-menu shortcut: "Start Menu" in
// "Microsoft\Windows\CurrentVersion\Explorer\Shell Folders" when the store names one, else the
// applications folder of the desktop menus ($XDG_DATA_HOME/applications).
namespace StartMenu {
inline const QString IconKey = QStringLiteral("Start Menu Icon");

QString folder(const SettingsStore &store);
}
