#include "favorites/FavoritesFolder.h"

#include "platform/ShellFolders.h"
#include "shell/SettingsStore.h"

#include <QDir>

FavoritesFolder::FavoritesFolder(const SettingsStore &settings) : m_settings(settings)
{
}

QString FavoritesFolder::path() const
{
    if (m_settings.valueExists(Section, Key)) {
        const QString stored = m_settings.readString(Section, Key);
        return stored.isEmpty() ? QString() : QDir::cleanPath(stored);
    }
    const QString folder = ShellFolders::favorites();
    QDir().mkpath(folder);
    return folder;
}
