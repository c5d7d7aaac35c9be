#include "favorites/FavoritesFolder.h"
#include "favorites/FavoritesListing.h"
#include "favorites/ShortcutFile.h"
#include "shell/SettingsStore.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList captions(const QList<FavoritesEntry> &entries)
{
    QStringList list;
    for (const FavoritesEntry &entry : entries)
        list.append((entry.folder ? QStringLiteral("[") : QString()) + entry.caption +
                    (entry.folder ? QStringLiteral("]") : QString()));
    return list;
}
}

class FavoritesListingTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void captionRule_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("caption");
        QTest::newRow("plain") << QStringLiteral("News.url") << QStringLiteral("News");
        QTest::newRow("upper case") << QStringLiteral("News.URL") << QStringLiteral("News");
        QTest::newRow("cut at the first") << QStringLiteral("a.url.url") << QStringLiteral("a");
        QTest::newRow("shell link") << QStringLiteral("Tool.lnk") << QString();
        QTest::newRow("link before url") << QStringLiteral("old.LNK.url") << QString();
        QTest::newRow("no url") << QStringLiteral("notes.txt") << QString();
        QTest::newRow("blank") << QStringLiteral("   ") << QString();
        QTest::newRow("inside") << QStringLiteral("x.urlfoo") << QStringLiteral("x");
    }
    void captionRule()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, caption);
        QCOMPARE(FavoritesListing::shortcutCaption(fileName), caption);
    }

    // Folders first, each list in locale order without regard to case; the Linux stand-ins for
    // hidden, read-only and system entries are left out.
    void listingRule()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        for (const char *folder : {"b", "A", ".archive", "locked"})
            QVERIFY(QDir(root).mkdir(QLatin1String(folder)));
        QFile::setPermissions(root + QStringLiteral("/locked"), QFile::ReadOwner | QFile::ExeOwner);
        for (const char *file : {"a.url", "C.url", "Tool.lnk", "old.LNK.url", ".hidden.url", "notes.txt", "ro.url"})
            writeFile(root + QLatin1Char('/') + QLatin1String(file), "[InternetShortcut]\r\nURL=http://x/\r\n");
        QFile::setPermissions(root + QStringLiteral("/ro.url"), QFile::ReadOwner);
        // A broken link, a named pipe and a socket stand for the system attribute.
        QVERIFY(QFile::link(root + QStringLiteral("/gone.url"), root + QStringLiteral("/dangling.url")));
        QCOMPARE(::mkfifo(QFile::encodeName(root + QStringLiteral("/pipe.url")).constData(), 0600), 0);
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray socketPath = QFile::encodeName(root + QStringLiteral("/sock.url"));
        qstrncpy(address.sun_path, socketPath.constData(), sizeof(address.sun_path));
        QCOMPARE(::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        // A link to a shortcut counts as the shortcut.
        QVERIFY(QFile::link(root + QStringLiteral("/a.url"), root + QStringLiteral("/Linked.url")));

        const QStringList listed = captions(FavoritesListing::list(root));
        ::close(sock);
        QFile::setPermissions(root + QStringLiteral("/locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(listed, (QStringList{QStringLiteral("[A]"), QStringLiteral("[b]"), QStringLiteral("a"),
                                      QStringLiteral("C"), QStringLiteral("Linked")}));
    }

    void missingFolderListsNothing()
    {
        QVERIFY(FavoritesListing::list(QStringLiteral("/nonexistent/kestrel/favorites")).isEmpty());
        QVERIFY(FavoritesListing::list(QString()).isEmpty());
    }

    void shortcutAddress_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("address");
        QTest::newRow("ordinary") << QByteArray("[InternetShortcut]\r\nURL=http://a.example/\r\n")
                                  << QStringLiteral("http://a.example/");
        QTest::newRow("first url line, any case, untrimmed")
            << QByteArray("[DEFAULT]\nBASEURL=http://base/\nuRl= http://b.example/ \nURL=http://c/\n")
            << QStringLiteral(" http://b.example/ ");
        QTest::newRow("value keeps later equals signs") << QByteArray("URL=http://q/?a=b\r")
                                                        << QStringLiteral("http://q/?a=b");
        QTest::newRow("no url line") << QByteArray("[InternetShortcut]\r\nIconIndex=0\r\n") << QString();
        QTest::newRow("binary") << QByteArray("URL=http://bin/\n\0\x01\x02", 19) << QString();
        QTest::newRow("too large") << (QByteArray("URL=http://big/\n") + QByteArray(ShortcutFile::MaxBytes, 'x'))
                                   << QString();
    }
    void shortcutAddress()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, address);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.url"));
        writeFile(path, content);
        QCOMPARE(ShortcutFile::address(path), address);
    }

    void shortcutThatIsAPipeIsNotOpened()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.url"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        // Opening a pipe with no writer would wait forever.
        QCOMPARE(ShortcutFile::address(path), QString());
        QCOMPARE(ShortcutFile::address(QStringLiteral("/dev/zero")), QString());
    }

    void favoritesFolderFromTheStore()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("registry.ini")));
        const FavoritesFolder folder(settings);
        const QString platform =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kestrel-browser/Favorites");
        QDir(platform).removeRecursively();
        QCOMPARE(folder.path(), platform);
        QVERIFY(QFileInfo(platform).isDir());

        settings.writeString(FavoritesFolder::Section, FavoritesFolder::Key, dir.filePath(QStringLiteral("Mine/")));
        QCOMPARE(folder.path(), dir.filePath(QStringLiteral("Mine")));
        settings.writeString(FavoritesFolder::Section, FavoritesFolder::Key, QString());
        QCOMPARE(folder.path(), QString());
    }
};

KESTREL_TEST(FavoritesListingTest)
#include "FavoritesListingTest.moc"
