#include "shell/CommandLineAddress.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The command line's argument: a file that exists opens as its file: address, anything else
// is an address as it stands.
class CommandLineAddressTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(u"pages/sub dir"_s));
        for (const QString &name : {u"pages/index.html"_s, u"pages/sub dir/a b.html"_s, u"example.org"_s}) {
            QFile file(m_dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void init() { failOnQtWarnings(); }

    void argumentsBecomeAddresses_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        const QString root = QDir(m_dir.path()).absolutePath();
        const QString fileRoot = u"file://"_s + root;
        QTest::newRow("relative file") << u"pages/index.html"_s << fileRoot + u"/pages/index.html"_s;
        QTest::newRow("relative with dots") << u"./pages/../pages/index.html"_s << fileRoot + u"/pages/index.html"_s;
        QTest::newRow("absolute file") << root + u"/pages/index.html"_s << fileRoot + u"/pages/index.html"_s;
        QTest::newRow("spaces") << u"pages/sub dir/a b.html"_s << fileRoot + u"/pages/sub%20dir/a%20b.html"_s;
        QTest::newRow("folder") << u"pages"_s << fileRoot + u"/pages"_s;
        // A file named like a host is still the file.
        QTest::newRow("file named like a host") << u"example.org"_s << fileRoot + u"/example.org"_s;
        QTest::newRow("missing file") << u"pages/missing.html"_s << u"pages/missing.html"_s;
        QTest::newRow("web address") << u"http://example.org/pages/index.html"_s
                                     << u"http://example.org/pages/index.html"_s;
        QTest::newRow("host") << u"www.example.org"_s << u"www.example.org"_s;
        QTest::newRow("empty") << QString() << QString();
    }

    void argumentsBecomeAddresses()
    {
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        QCOMPARE(CommandLineAddress::fromArgument(argument, m_dir.path()), expected);
    }
};

KESTREL_TEST(CommandLineAddressTest)
#include "CommandLineAddressTest.moc"
