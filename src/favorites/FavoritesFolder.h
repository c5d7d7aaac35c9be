#pragma once

#include <QString>

class SettingsStore;

// The user's Favorites folder: the value "Favorites" of the store's "Shell Folders" key, read
// afresh at every use. When the value is absent the platform's folder stands in and is created
// on first use; a value that is present but empty means no Favorites folder at all.
class FavoritesFolder
{
public:
    static inline const QString Section = QStringLiteral("Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
    static inline const QString Key = QStringLiteral("Favorites");

    explicit FavoritesFolder(const SettingsStore &settings);

    // The folder without a trailing separator, or empty when the user has none.
    QString path() const;

private:
    const SettingsStore &m_settings;
};
