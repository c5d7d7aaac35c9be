#pragma once

#include <QString>

// The system's special folders, as paths of this system.
namespace ShellFolders {
// "My Computer": the root of the file system.
QString myComputer();
// The user's desktop folder (XDG).
QString desktop();
// The applications folder of the desktop menus, $XDG_DATA_HOME/applications.
QString startMenu();
// The Favorites folder when the store names none: $XDG_DATA_HOME/kestrel-browser/Favorites.
QString favorites();
}
