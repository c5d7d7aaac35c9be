#include "shell/QuickLaunch.h"

#include "platform/DesktopEntry.h"
#include "shell/SettingsStore.h"

#include <QFileInfo>

namespace QuickLaunch {

bool makeShortcut(SettingsStore &store, const QString &executable, const QString &dataFolder)
{
    const QString iconKey = QStringLiteral("Quick Launch Icon");
    if (!store.readBool(SettingsStore::MainSection, iconKey, true))
        return false;
    const QString folder = store.readString(
        QStringLiteral("Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups"), QStringLiteral("Quick Launch"));
    if (folder.isEmpty())
        return false;
    const QString path = folder + QStringLiteral("/Kestrel Browser.desktop");
    if (QFileInfo::exists(path))
        return false;
    const DesktopEntry shortcut{QStringLiteral("Kestrel Browser"), executable, dataFolder};
    if (!shortcut.write(path))
        return false;
    store.writeBool(SettingsStore::MainSection, iconKey, true);
    return true;
}

}
