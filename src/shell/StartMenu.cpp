#include "shell/StartMenu.h"

#include "platform/ShellFolders.h"
#include "shell/SettingsStore.h"

namespace StartMenu {

QString folder(const SettingsStore &store)
{
    return store.readString(QStringLiteral("Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
                            QStringLiteral("Start Menu"), ShellFolders::startMenu());
}

}
