#pragma once

#include <QString>
#include <QStringList>

// The desktop's default applications: the [Default Applications] groups of the mimeapps.list
// files and the desktop files they name, looked up in the order the freedesktop rules give.
namespace MimeApps {
// The group that names defaults.
inline const QString DefaultGroup = QStringLiteral("[Default Applications]");

// The user's own list, $XDG_CONFIG_HOME/mimeapps.list, which programs write.
QString userListPath();
// Every list that may name a default, most important first: desktop-specific lists before
// plain ones, in $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS, $XDG_DATA_HOME/applications and
// $XDG_DATA_DIRS/applications.
QStringList listPaths();
// The path of an installed desktop file by its id ("vendor-app.desktop" may also be
// "vendor/app.desktop"), in $XDG_DATA_HOME/applications and $XDG_DATA_DIRS/applications; empty
// when none is installed.
QString desktopFilePath(const QString &desktopId);
// The desktop id that opens the type: the first installed entry of the first list that names
// one; empty when none does.
QString defaultApplication(const QString &mimeType);

// The default-application lines of one list file, rewritten so that each type names the desktop
// id; every other line and group is kept as it is, and a missing group is added at the end.
QStringList withDefaults(const QStringList &lines, const QStringList &mimeTypes, const QString &desktopId);
// The same lines with the desktop id taken out of the defaults of the types; a type left with no
// entry loses its line.
QStringList withoutDefault(const QStringList &lines, const QStringList &mimeTypes, const QString &desktopId);
// The list file read, rewritten and written back atomically (a missing file counts as empty);
// true when it was written.
bool setDefaults(const QString &listPath, const QStringList &mimeTypes, const QString &desktopId);
bool removeDefault(const QString &listPath, const QStringList &mimeTypes, const QString &desktopId);
}
