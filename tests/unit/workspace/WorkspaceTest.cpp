#include "browser/StartPage.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
}

class WorkspaceTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Workspace> m_workspace;

    void setSaveWorkspace(bool on) { m_settings->writeBool(SettingsStore::MainSection, QStringLiteral("Save Workspace"), on); }
    void setDefaultGroup(const QString &name)
    {
        m_settings->writeString(SettingsStore::MainSection, QStringLiteral("Default Group"), name);
    }
    void writeGroups(const QByteArray &bytes) { writeRaw(m_workspace->groupFilePath(), bytes); }

private slots:
    void init()
    {
        failOnQtWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_workspace = std::make_unique<Workspace>(*m_settings, m_dir->path());
    }

    void workspaceFileGivesTheTabsInOrderWithTheLastActive()
    {
        writeRaw(m_workspace->filePath(), "http://one.example/\r\n  http://two.example/ \n\r\nhttp://three.example/\r\n");
        writeGroups("Work\r\n\thttp://group.example/\r\n");
        setDefaultGroup(QStringLiteral("Work"));
        const Workspace::FirstTabs tabs = m_workspace->firstTabs();
        // An empty line opens a tab on the homepage.
        QCOMPARE(tabs.addresses, (QStringList{QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/"),
                                              QString(), QStringLiteral("http://three.example/")}));
        QCOMPARE(tabs.active, 3);
    }

    void withoutUsableWorkspaceTheDefaultGroupOpens_data()
    {
        QTest::addColumn<bool>("saveWorkspace");
        QTest::addColumn<QByteArray>("workspace");
        QTest::newRow("save workspace off") << false << QByteArray("http://saved.example/\r\n");
        QTest::newRow("empty workspace file") << true << QByteArray();
        QTest::newRow("no workspace file") << true << QByteArray("-");
    }

    void withoutUsableWorkspaceTheDefaultGroupOpens()
    {
        QFETCH(bool, saveWorkspace);
        QFETCH(QByteArray, workspace);
        setSaveWorkspace(saveWorkspace);
        if (workspace != "-")
            writeRaw(m_workspace->filePath(), workspace);
        writeGroups("Home\r\n\thttp://home.example/\r\nwork\r\n\t http://a.example/ \r\n\thttp://b.example/\r\n"
                    "Play\r\n\thttp://play.example/\r\n");
        setDefaultGroup(QStringLiteral("WORK"));
        const Workspace::FirstTabs tabs = m_workspace->firstTabs();
        QCOMPARE(tabs.addresses, (QStringList{QStringLiteral("http://a.example/"), QStringLiteral("http://b.example/")}));
        QCOMPARE(tabs.active, 1);
    }

    void defaultGroupReadsToTheEndOfTheFile()
    {
        writeGroups("Home\n\thttp://home.example/\n\thttp://last.example/");
        setDefaultGroup(QStringLiteral("Home"));
        QCOMPARE(m_workspace->firstTabs().addresses,
                 (QStringList{QStringLiteral("http://home.example/"), QStringLiteral("http://last.example/")}));
    }

    void defaultGroupFollowedByAnotherGroupOpensNoTab()
    {
        writeGroups("Empty\r\nFull\r\n\thttp://full.example/\r\n");
        setDefaultGroup(QStringLiteral("Empty"));
        const Workspace::FirstTabs tabs = m_workspace->firstTabs();
        QVERIFY(tabs.addresses.isEmpty());
        QCOMPARE(tabs.active, -1);
    }

    void otherwiseTheDefaultStartPagesOpen_data()
    {
        QTest::addColumn<QString>("defaultGroup");
        QTest::addColumn<bool>("groupFile");
        QTest::newRow("no group file") << QStringLiteral("Home") << false;
        QTest::newRow("group not found") << QStringLiteral("Missing") << true;
        QTest::newRow("no default group") << QString() << true;
    }

    void otherwiseTheDefaultStartPagesOpen()
    {
        QFETCH(QString, defaultGroup);
        QFETCH(bool, groupFile);
        if (groupFile)
            writeGroups("Home\r\n\thttp://home.example/\r\n\r\n");
        setDefaultGroup(defaultGroup);
        const Workspace::FirstTabs tabs = m_workspace->firstTabs();
        QCOMPARE(tabs.addresses, Workspace::defaultStartPages());
        QCOMPARE(tabs.active, 2);
        QCOMPARE(tabs.addresses.size(), 3);
        QCOMPARE(tabs.addresses.last(), productStartPage());
    }

    void saveWritesTheTabsLocations()
    {
        QVERIFY(m_workspace->save({QStringLiteral("http://one.example/"), QString(), QStringLiteral("  "),
                                   QStringLiteral("http://two.example/")}));
        QCOMPARE(contents(m_workspace->filePath()), QByteArray("http://one.example/\r\nhttp://two.example/\r\n"));
        // The next start opens them again.
        QCOMPARE(m_workspace->firstTabs().addresses,
                 (QStringList{QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/")}));

        QVERIFY(m_workspace->save({}));
        QCOMPARE(contents(m_workspace->filePath()), QByteArray());
    }

    void saveWorkspaceOffLeavesTheFileAlone()
    {
        writeRaw(m_workspace->filePath(), "http://kept.example/\r\n");
        m_workspace->toggleSaveWorkspace();
        QVERIFY(!m_workspace->saveWorkspace());
        QVERIFY(!m_workspace->save({QStringLiteral("http://new.example/")}));
        QCOMPARE(contents(m_workspace->filePath()), QByteArray("http://kept.example/\r\n"));

        m_workspace->toggleSaveWorkspace();
        QVERIFY(m_workspace->saveWorkspace());
        QCOMPARE(m_settings->readString(SettingsStore::MainSection, QStringLiteral("Save Workspace")), QStringLiteral("1"));
    }

    void aLostWorkspaceComesBackFromItsLastGoodCopy_data()
    {
        QTest::addColumn<bool>("writeFile");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<bool>("restored");
        QTest::newRow("missing") << false << QByteArray() << false << true;
        QTest::newRow("empty") << true << QByteArray() << false << true;
        QTest::newRow("unreadable") << true << QByteArray("http://now.example/\r\n") << true << true;
        QTest::newRow("good file wins") << true << QByteArray("http://now.example/\r\n") << false << false;
    }

    void aLostWorkspaceComesBackFromItsLastGoodCopy()
    {
        QFETCH(bool, writeFile);
        QFETCH(QByteArray, file);
        QFETCH(bool, unreadable);
        QFETCH(bool, restored);
        writeRaw(TextFile::backupPath(m_workspace->filePath()), "http://saved.example/\r\nhttp://two.example/\r\n");
        if (writeFile)
            writeRaw(m_workspace->filePath(), file);
        const QString workspaceFile = m_workspace->filePath();
        if (unreadable)
            TextFile::setFault([&](const QString &p, TextFile::Access) { return p == workspaceFile; });
        const Workspace::FirstTabs tabs = m_workspace->firstTabs();
        TextFile::setFault({});
        QCOMPARE(tabs.restoredFromBackup, restored);
        QCOMPARE(tabs.addresses.first(),
                 restored ? QStringLiteral("http://saved.example/") : QStringLiteral("http://now.example/"));
    }
};

KESTREL_TEST(WorkspaceTest)
#include "WorkspaceTest.moc"
