#pragma once

#include <QString>
#include <QStringList>

class Prompter;

// Writes a new Internet shortcut into the Favorites folder or one of its sub-folders. A name
// that cannot be a shortcut's file name is refused with a message, and an existing shortcut is
// replaced only after the user agrees.
class AddFavorite
{
public:
    static constexpr int MaxNameLength = 200;

    explicit AddFavorite(Prompter &prompter);

    // The sub-folders the listing shows, as paths relative to the Favorites folder ("a",
    // "a/b"), each folder followed by its own sub-folders.
    static QStringList subFolders(const QString &favorites);
    // Whether the name can be a shortcut's file name that the listing shows under that name.
    static bool isUsableName(const QString &name);

    // True when the shortcut was written. subFolder is relative; empty for the folder itself.
    bool write(const QString &favorites, const QString &subFolder, const QString &name, const QString &address);

private:
    Prompter &m_prompter;
};
