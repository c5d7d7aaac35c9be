#include "favorites/FavoritesListing.h"
#include "favorites/ShortcutFile.h"
#include "favorites/import/BookmarkImport.h"
#include "favorites/import/BookmarkProfiles.h"
#include "favorites/import/BookmarkWriter.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString LongTitle = QString(300, QLatin1Char('w'));

// Every shortcut below the folder as "relative/path.url=address", and every folder as
// "relative/path/", sorted.
QStringList treeOf(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString relative = QDir(folder).relativeFilePath(it.filePath());
        if (it.fileInfo().isDir())
            entries.append(relative + QLatin1Char('/'));
        else
            entries.append(relative + QLatin1Char('=') + ShortcutFile::address(it.filePath()));
    }
    entries.sort();
    return entries;
}

bool exec(QSqlQuery &query, const QString &statement)
{
    if (!query.exec(statement)) {
        qWarning("%s", qPrintable(statement));
        return false;
    }
    return true;
}

void makePlaces(const QString &path)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make-places"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(exec(q, QStringLiteral("CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT)")));
        QVERIFY(exec(q, QStringLiteral("CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER, "
                                       "parent INTEGER, position INTEGER, title TEXT, guid TEXT)")));
        const QStringList places = {
            QStringLiteral("(1, 'https://one.example/')"), QStringLiteral("(2, 'https://two.example/')"),
            QStringLiteral("(3, 'place:sort=8')"), QStringLiteral("(4, 'https://dots.example/')"),
            QStringLiteral("(5, 'https://long.example/')"), QStringLiteral("(6, 'https://tagged.example/')"),
            QStringLiteral("(7, 'https://same.example/')")};
        QVERIFY(exec(q, QStringLiteral("INSERT INTO moz_places VALUES ") + places.join(QLatin1Char(','))));
        const QStringList bookmarks = {
            QStringLiteral("(1, 2, NULL, 0, 0, '', 'root________')"),
            QStringLiteral("(2, 2, NULL, 1, 0, 'menu', 'menu________')"),
            QStringLiteral("(3, 2, NULL, 1, 1, 'toolbar', 'toolbar_____')"),
            QStringLiteral("(4, 2, NULL, 1, 2, 'tags', 'tags________')"),
            QStringLiteral("(5, 2, NULL, 1, 3, 'unfiled', 'unfiled_____')"),
            QStringLiteral("(10, 1, 1, 2, 0, 'One', 'b1')"),
            QStringLiteral("(11, 2, NULL, 2, 1, 'a/b', 'f1')"),
            QStringLiteral("(12, 2, NULL, 11, 0, 'Nested', 'f2')"),
            QStringLiteral("(13, 1, 2, 12, 0, 'Two', 'b2')"),
            QStringLiteral("(14, 3, NULL, 2, 2, '', 'sep')"),
            QStringLiteral("(15, 1, 3, 3, 0, 'Most Visited', 'b3')"),
            QStringLiteral("(16, 1, 4, 3, 1, '..', 'b4')"),
            QStringLiteral("(17, 1, 5, 3, 2, '") + LongTitle + QStringLiteral("', 'b5')"),
            QStringLiteral("(18, 2, NULL, 4, 0, 'mytag', 'tg')"),
            QStringLiteral("(19, 1, 6, 18, 0, 'Tagged', 'b6')"),
            QStringLiteral("(20, 1, 7, 5, 0, 'Same', 'b7')"),
            QStringLiteral("(21, 1, 7, 5, 1, 'same', 'b8')"),
            QStringLiteral("(22, 1, 1, 5, 2, 'Guide.URL and tool.lnk', 'b9')")};
        QVERIFY(exec(q, QStringLiteral("INSERT INTO moz_bookmarks VALUES ") + bookmarks.join(QLatin1Char(','))));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make-places"));
}

QJsonObject url(const QString &name, const QString &address)
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("url")},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("url"), address}};
}

QJsonObject folder(const QString &name, const QJsonArray &children)
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("folder")},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("children"), children}};
}

void makeChromiumBookmarks(const QString &path)
{
    const QJsonObject roots{
        {QStringLiteral("bookmark_bar"),
         folder(QStringLiteral("Bookmarks bar"),
                {url(QStringLiteral("/"), QStringLiteral("https://slash.example/")),
                 folder(QStringLiteral(".hidden"),
                        {folder(QStringLiteral("deeper"), {url(QStringLiteral("x"), QStringLiteral("https://x.example/"))})}),
                 url(QStringLiteral("line\nbreak"), QStringLiteral("https://nl.example/\r\nInjected=1"))})},
        {QStringLiteral("other"), folder(QStringLiteral("Other bookmarks"), {url(LongTitle, QStringLiteral("https://l/"))})},
        {QStringLiteral("synced"), folder(QStringLiteral("Mobile bookmarks"), {})}};
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(QJsonObject{{QStringLiteral("version"), 1}, {QStringLiteral("roots"), roots}}).toJson());
}
}

class BookmarkImportTest : public QObject
{
    Q_OBJECT

    ScriptedPrompter m_prompter;

private slots:
    void init()
    {
        failOnQtWarnings();
        m_prompter.clear();
    }

    void safeNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("ordinary") << QStringLiteral("Kestrel") << QStringLiteral("Kestrel");
        QTest::newRow("slash") << QStringLiteral("a/b") << QStringLiteral("a_b");
        QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("Bookmark");
        QTest::newRow("leading dots") << QStringLiteral("...rc") << QStringLiteral("rc");
        QTest::newRow("empty") << QString() << QStringLiteral("Bookmark");
        QTest::newRow("controls") << QStringLiteral("a\tb\nc") << QStringLiteral("abc");
        QTest::newRow("extensions inside") << QStringLiteral("x.URL y.lnk") << QStringLiteral("x_URL y_lnk");
        QTest::newRow("long") << LongTitle << QString(192, QLatin1Char('w'));
    }
    void safeNames()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QStringList taken;
        const QString made = BookmarkWriter::safeName(title, QStringLiteral("Bookmark"), taken);
        QCOMPARE(made, name);
        QCOMPARE(FavoritesListing::shortcutCaption(made + QStringLiteral(".url")), made);
        QCOMPARE(BookmarkWriter::safeName(title, QStringLiteral("Bookmark"), taken), name + QStringLiteral(" (2)"));
    }

    void firefoxProfile()
    {
        QTemporaryDir home;
        const QString profile = home.filePath(QStringLiteral(".mozilla/firefox/abc.default-release"));
        QVERIFY(QDir().mkpath(profile));
        makePlaces(profile + QStringLiteral("/places.sqlite"));
        const QList<BookmarkProfile> found = BookmarkProfiles::find(home.path());
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().browser, QStringLiteral("Firefox"));
        QCOMPARE(found.first().profile, QStringLiteral("abc.default-release"));

        QTemporaryDir favorites;
        QVERIFY(QFile::link(home.path(), favorites.filePath(QStringLiteral("Imported from Firefox"))));
        QVERIFY(BookmarkImport(m_prompter).run(found.first(), favorites.path()));
        QCOMPARE(m_prompter.texts(),
                 QStringList{QStringLiteral("7 bookmarks of Firefox were imported into \"Imported from Firefox (2)\".")});
        const QString w192(192, QLatin1Char('w'));
        QCOMPARE(treeOf(favorites.filePath(QStringLiteral("Imported from Firefox (2)"))),
                 (QStringList{QStringLiteral("Bookmarks Menu/"), QStringLiteral("Bookmarks Menu/One.url=https://one.example/"),
                              QStringLiteral("Bookmarks Menu/a_b/"), QStringLiteral("Bookmarks Menu/a_b/Nested/"),
                              QStringLiteral("Bookmarks Menu/a_b/Nested/Two.url=https://two.example/"),
                              QStringLiteral("Bookmarks Toolbar/"),
                              QStringLiteral("Bookmarks Toolbar/Bookmark.url=https://dots.example/"),
                              QStringLiteral("Bookmarks Toolbar/") + w192 + QStringLiteral(".url=https://long.example/"),
                              QStringLiteral("Other Bookmarks/"),
                              QStringLiteral("Other Bookmarks/Guide_URL and tool_lnk.url=https://one.example/"),
                              QStringLiteral("Other Bookmarks/Same.url=https://same.example/"),
                              QStringLiteral("Other Bookmarks/same (2).url=https://same.example/")}));
        // The profile's own file is untouched and the link named like the folder was left alone.
        QVERIFY(QFileInfo(favorites.filePath(QStringLiteral("Imported from Firefox"))).isSymLink());
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral(".mozilla")});
    }

    void chromiumProfile()
    {
        QTemporaryDir home;
        const QString profile = home.filePath(QStringLiteral(".config/google-chrome/Default"));
        QVERIFY(QDir().mkpath(profile));
        makeChromiumBookmarks(profile + QStringLiteral("/Bookmarks"));
        const QList<BookmarkProfile> found = BookmarkProfiles::find(home.path());
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().browser, QStringLiteral("Google Chrome"));

        QTemporaryDir favorites;
        QVERIFY(BookmarkImport(m_prompter).run(found.first(), favorites.path()));
        const QString w192(192, QLatin1Char('w'));
        QCOMPARE(treeOf(favorites.filePath(QStringLiteral("Imported from Google Chrome"))),
                 (QStringList{QStringLiteral("Bookmarks bar/"), QStringLiteral("Bookmarks bar/_.url=https://slash.example/"),
                              QStringLiteral("Bookmarks bar/hidden/"), QStringLiteral("Bookmarks bar/hidden/deeper/"),
                              QStringLiteral("Bookmarks bar/hidden/deeper/x.url=https://x.example/"),
                              QStringLiteral("Bookmarks bar/linebreak.url=https://nl.example/Injected=1"),
                              QStringLiteral("Mobile bookmarks/"), QStringLiteral("Other bookmarks/"),
                              QStringLiteral("Other bookmarks/") + w192 + QStringLiteral(".url=https://l/")}));
    }

    void unreadableFilesAreReported()
    {
        QTemporaryDir dir;
        const QString junk = dir.filePath(QStringLiteral("places.sqlite"));
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database at all");
        file.close();
        const QString json = dir.filePath(QStringLiteral("Bookmarks"));
        QVERIFY(QFile::copy(junk, json));
        QTemporaryDir favorites;
        for (const QString &path : {junk, json}) {
            m_prompter.clear();
            QVERIFY(!BookmarkImport(m_prompter).run(BookmarkProfiles::ofFile(path), favorites.path()));
            QCOMPARE(m_prompter.texts(),
                     QStringList{QStringLiteral("The bookmarks in \"") + path + QStringLiteral("\" could not be read.")});
        }
        QVERIFY(QDir(favorites.path()).isEmpty());
    }
};

KESTREL_TEST(BookmarkImportTest)
#include "BookmarkImportTest.moc"
