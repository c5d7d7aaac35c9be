#include "favorites/FavoritesListing.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>

namespace {
const QString UrlExtension = QStringLiteral(".url");
const QString LinkExtension = QStringLiteral(".lnk");

bool onlyDirectory(const QFileInfo &info)
{
    return info.isDir() && info.permission(QFileDevice::WriteOwner);
}

bool onlyArchive(const QFileInfo &info)
{
    return info.isFile() && info.permission(QFileDevice::WriteOwner);
}

void sortCaptions(QStringList &captions)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(captions.begin(), captions.end(),
              [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}
}

namespace FavoritesListing {

QString shortcutCaption(const QString &fileName)
{
    if (fileName.trimmed().isEmpty())
        return QString();
    const QString lower = fileName.toLower();
    if (lower.contains(LinkExtension))
        return QString();
    const qsizetype cut = lower.indexOf(UrlExtension);
    return cut < 0 ? QString() : fileName.left(cut);
}

QList<FavoritesEntry> list(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    QStringList folders;
    QStringList shortcuts;
    // Hidden entries are asked for too: the rule itself decides on names beginning with ".".
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        const QString name = info.fileName();
        if (name.startsWith(QLatin1Char('.')))
            continue;
        if (onlyDirectory(info)) {
            folders.append(name);
        } else if (onlyArchive(info)) {
            const QString caption = shortcutCaption(name);
            if (!caption.isEmpty())
                shortcuts.append(caption);
        }
    }
    sortCaptions(folders);
    sortCaptions(shortcuts);
    QList<FavoritesEntry> listed;
    listed.reserve(folders.size() + shortcuts.size());
    for (const QString &name : std::as_const(folders))
        listed.append(FavoritesEntry{name, true});
    for (const QString &caption : std::as_const(shortcuts))
        listed.append(FavoritesEntry{caption, false});
    return listed;
}

}
