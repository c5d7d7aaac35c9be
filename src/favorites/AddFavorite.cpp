#include "favorites/AddFavorite.h"

#include "favorites/FavoritesListing.h"
#include "favorites/ShortcutFile.h"
#include "shell/TextFile.h"
#include "ui/Prompter.h"

#include <QFileInfo>

namespace {
void addSubFolders(const QString &favorites, const QString &relative, QStringList &folders)
{
    const QString folder = relative.isEmpty() ? favorites : favorites + QLatin1Char('/') + relative;
    for (const FavoritesEntry &entry : FavoritesListing::list(folder)) {
        if (!entry.folder)
            break;
        const QString path = relative.isEmpty() ? entry.caption : relative + QLatin1Char('/') + entry.caption;
        folders.append(path);
        addSubFolders(favorites, path, folders);
    }
}
}

AddFavorite::AddFavorite(Prompter &prompter) : m_prompter(prompter)
{
}

QStringList AddFavorite::subFolders(const QString &favorites)
{
    QStringList folders;
    addSubFolders(favorites, QString(), folders);
    return folders;
}

bool AddFavorite::isUsableName(const QString &name)
{
    const QString lower = name.toLower();
    return !name.trimmed().isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/')) &&
           !name.contains(QChar(0)) && !lower.contains(QLatin1String(".url")) &&
           !lower.contains(QLatin1String(".lnk")) && name.size() <= MaxNameLength;
}

bool AddFavorite::write(const QString &favorites, const QString &subFolder, const QString &name,
                        const QString &address)
{
    if (!isUsableName(name)) {
        m_prompter.message(QStringLiteral("The name \"") + name +
                           QStringLiteral("\" cannot be used for a favorite. A name must not be empty, begin with "
                                          "a dot, contain \"/\", \".url\" or \".lnk\", or be longer than 200 "
                                          "characters."));
        return false;
    }
    const QString folder = subFolder.isEmpty() ? favorites : favorites + QLatin1Char('/') + subFolder;
    const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".url");
    const QFileInfo existing(file);
    if (existing.exists() || existing.isSymLink()) {
        if (m_prompter.question(QStringLiteral("A favorite named \"") + name +
                                QStringLiteral("\" already exists. Do you want to replace it?")) !=
            Prompter::Answer::Yes)
            return false;
    }
    if (!TextFile::writeLines(file, ShortcutFile::lines(address))) {
        m_prompter.message(QStringLiteral("The favorite \"") + name + QStringLiteral("\" could not be saved."));
        return false;
    }
    return true;
}
