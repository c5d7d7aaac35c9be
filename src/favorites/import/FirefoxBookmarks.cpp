#include "favorites/import/FirefoxBookmarks.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

namespace {
constexpr int BookmarkType = 1;
constexpr int FolderType = 2;
// Folders nested deeper than this are left out: no real profile comes near it.
constexpr int MaxDepth = 64;

struct Row
{
    qint64 id;
    int type;
    QString title;
    QString guid;
    QString url;
};

// Firefox stores short titles on its top folders; these are the names it shows.
QString topFolderTitle(const Row &row)
{
    static const QHash<QString, QString> titles = {
        {QStringLiteral("menu________"), QStringLiteral("Bookmarks Menu")},
        {QStringLiteral("toolbar_____"), QStringLiteral("Bookmarks Toolbar")},
        {QStringLiteral("unfiled_____"), QStringLiteral("Other Bookmarks")},
        {QStringLiteral("mobile______"), QStringLiteral("Mobile Bookmarks")},
    };
    return titles.value(row.guid, row.title);
}

class Tree
{
public:
    QHash<qint64, QList<Row>> childrenOf;

    void fill(qint64 folder, BookmarkNode &node, QSet<qint64> &seen, int depth = 1) const
    {
        if (depth > MaxDepth)
            return;
        for (const Row &row : childrenOf.value(folder)) {
            // A damaged file could hold a folder twice or inside itself.
            if (seen.contains(row.id))
                continue;
            seen.insert(row.id);
            if (row.type == FolderType) {
                BookmarkNode child{row.title, QString(), true, {}};
                fill(row.id, child, seen, depth + 1);
                node.children.append(child);
            } else if (row.type == BookmarkType && !row.url.isEmpty() &&
                       !row.url.startsWith(QLatin1String("place:"))) {
                node.children.append(BookmarkNode{row.title, row.url, false, {}});
            }
        }
    }
};

std::optional<BookmarkNode> readCopy(const QString &copy)
{
    const QString connection = QStringLiteral("kestrel-import-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::optional<BookmarkNode> result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(copy);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (query.exec(QStringLiteral("SELECT b.id, b.parent, b.type, b.title, b.guid, p.url "
                                          "FROM moz_bookmarks b LEFT JOIN moz_places p ON b.fk = p.id "
                                          "ORDER BY b.parent, b.position, b.id"))) {
                Tree tree;
                qint64 root = -1;
                while (query.next()) {
                    const Row row{query.value(0).toLongLong(), query.value(2).toInt(), query.value(3).toString(),
                                  query.value(4).toString(), query.value(5).toString()};
                    const qint64 parent = query.value(1).toLongLong();
                    if (parent == 0 && root < 0 && row.type == FolderType)
                        root = row.id;
                    else
                        tree.childrenOf[parent].append(row);
                }
                BookmarkNode top{QString(), QString(), true, {}};
                QSet<qint64> seen{root};
                for (const Row &row : tree.childrenOf.value(root)) {
                    if (row.type != FolderType || row.guid == QLatin1String("tags________") || seen.contains(row.id))
                        continue;
                    seen.insert(row.id);
                    BookmarkNode folder{topFolderTitle(row), QString(), true, {}};
                    tree.fill(row.id, folder, seen);
                    top.children.append(folder);
                }
                if (root >= 0)
                    result = top;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return result;
}
}

namespace FirefoxBookmarks {

std::optional<BookmarkNode> read(const QString &placesFile)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return std::nullopt;
    QTemporaryDir folder;
    if (!folder.isValid())
        return std::nullopt;
    const QString copy = folder.filePath(QStringLiteral("places.sqlite"));
    if (!QFile::copy(placesFile, copy))
        return std::nullopt;
    // Changes Firefox has not yet moved into the file itself are in its write-ahead log.
    const QString log = placesFile + QStringLiteral("-wal");
    if (QFile::exists(log))
        QFile::copy(log, copy + QStringLiteral("-wal"));
    return readCopy(copy);
}

}
