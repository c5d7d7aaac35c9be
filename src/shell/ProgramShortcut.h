#pragma once

#include <QString>

// The program's shortcut "Kestrel Browser.desktop" in a folder (the quick-launch folder, the
// desktop's menu folder): a desktop entry that starts the program in the data folder.
namespace ProgramShortcut {
inline const QString FileName = QStringLiteral("Kestrel Browser.desktop");

QString pathIn(const QString &folder);
// Makes the shortcut unless a file of that name is already there (which is left untouched);
// true when one was made.
bool make(const QString &folder, const QString &executable, const QString &dataFolder);
// Deletes the shortcut when it is there.
void remove(const QString &folder);
}
