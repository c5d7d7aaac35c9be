#include "favorites/import/ChromiumBookmarks.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
BookmarkNode nodeOf(const QJsonObject &object)
{
    const QString type = object.value(QLatin1String("type")).toString();
    BookmarkNode node{object.value(QLatin1String("name")).toString(), QString(), type == QLatin1String("folder"), {}};
    if (!node.folder) {
        node.url = object.value(QLatin1String("url")).toString();
        return node;
    }
    for (const QJsonValue &child : object.value(QLatin1String("children")).toArray()) {
        if (!child.isObject())
            continue;
        const BookmarkNode childNode = nodeOf(child.toObject());
        if (childNode.folder || !childNode.url.isEmpty())
            node.children.append(childNode);
    }
    return node;
}
}

namespace ChromiumBookmarks {

std::optional<BookmarkNode> read(const QString &bookmarksFile)
{
    QFile file(bookmarksFile);
    if (file.size() > MaxBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.read(MaxBytes));
    const QJsonObject roots = document.object().value(QLatin1String("roots")).toObject();
    if (roots.isEmpty())
        return std::nullopt;
    BookmarkNode top{QString(), QString(), true, {}};
    for (const char *root : {"bookmark_bar", "other", "synced"}) {
        const QJsonObject object = roots.value(QLatin1String(root)).toObject();
        if (object.isEmpty())
            continue;
        BookmarkNode folder = nodeOf(object);
        folder.folder = true;
        top.children.append(folder);
    }
    return top;
}

}
