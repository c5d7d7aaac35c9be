#include "shell/DataFolder.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Where data files live: the environment's folder, a writable program folder, or the user's
// data home.
class DataFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void theRule()
    {
        const QString exe = QStringLiteral("/opt/kestrel");
        const QString home = QStringLiteral("/home/u/.local/share");
        QCOMPARE(DataFolder::choose(QStringLiteral("/data/"), exe, true, home), QStringLiteral("/data"));
        QCOMPARE(DataFolder::choose(QString(), exe, true, home), exe);
        QCOMPARE(DataFolder::choose(QString(), exe, false, home), QStringLiteral("/home/u/.local/share/kestrel-browser"));
        QCOMPARE(DataFolder::choose(QString(), QString(), true, home), QStringLiteral("/home/u/.local/share/kestrel-browser"));
    }

    void theEnvironmentFolderIsMadeAndUsed()
    {
        QTemporaryDir root;
        const QByteArray saved = qgetenv("KESTREL_DATA_DIR");
        const QString folder = root.path() + QStringLiteral("/not/yet");
        qputenv("KESTREL_DATA_DIR", folder.toLocal8Bit());
        const QString path = DataFolder::path();
        const QString file = DataFolder::filePath(QStringLiteral("workspace.dat"));
        qputenv("KESTREL_DATA_DIR", saved);

        QCOMPARE(path, folder);
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(file, folder + QStringLiteral("/workspace.dat"));
    }
};

KESTREL_TEST(DataFolderTest)
#include "DataFolderTest.moc"
