#include "shell/QuickLaunch.h"

#include "shell/ProgramShortcut.h"
#include "shell/SettingsStore.h"

namespace QuickLaunch {

QString folder(const SettingsStore &store)
{
    return store.readString(QStringLiteral("Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups"),
                            QStringLiteral("Quick Launch"));
}

bool makeShortcut(SettingsStore &store, const QString &executable, const QString &dataFolder)
{
    if (!store.readBool(SettingsStore::MainSection, IconKey, true))
        return false;
    const QString where = folder(store);
    if (where.isEmpty() || !ProgramShortcut::make(where, executable, dataFolder))
        return false;
    store.writeBool(SettingsStore::MainSection, IconKey, true);
    return true;
}

}
