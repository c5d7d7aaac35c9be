#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceSaver.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class WorkspaceSaverTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<Workspace> m_workspace;
    std::unique_ptr<WorkspaceSaver> m_saver;
    QStringList m_tabs;
    int m_asked = 0;

    QStringList written() const { return TextFile::readLines(m_workspace->filePath()).value_or(QStringList{QStringLiteral("<none>")}); }

private slots:
    void init()
    {
        failOnQtWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_workspace = std::make_unique<Workspace>(*m_settings, m_dir->path());
        m_tabs.clear();
        m_asked = 0;
        m_saver = std::make_unique<WorkspaceSaver>(*m_workspace, [this] {
            ++m_asked;
            return m_tabs;
        });
    }

    void aBurstOfChangesIsWrittenOnceWithinTwoSeconds()
    {
        QTimer &timer = m_saver->tmrWorkspaceSave();
        QVERIFY(timer.isSingleShot());
        QVERIFY(timer.interval() > 0 && timer.interval() < 2000);
        QVERIFY(!timer.isActive());

        m_tabs = {QStringLiteral("http://one.example/")};
        m_saver->tabsChanged();
        QVERIFY(timer.isActive());
        m_tabs.append(QStringLiteral("http://two.example/"));
        m_saver->tabsChanged();
        m_tabs.append(QString());
        m_saver->tabsChanged();
        QVERIFY(!QFile::exists(m_workspace->filePath()));

        m_saver->tmrWorkspaceSaveTimer();
        QVERIFY(!timer.isActive());
        QVERIFY(!m_saver->isDirty());
        QCOMPARE(m_asked, 1);
        QCOMPARE(written(), (QStringList{QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/")}));

        // A tick with nothing changed writes nothing.
        QFile::remove(m_workspace->filePath());
        m_saver->tmrWorkspaceSaveTimer();
        QVERIFY(!QFile::exists(m_workspace->filePath()));
    }

    void theTimerRunsTheTick()
    {
        m_saver->tmrWorkspaceSave().setInterval(0);
        m_tabs = {QStringLiteral("http://timed.example/")};
        m_saver->tabsChanged();
        QTRY_COMPARE(written(), m_tabs);
    }

    void anAddressChangeRewritesTheFile()
    {
        m_tabs = {QStringLiteral("http://one.example/"), QStringLiteral("http://two.example/")};
        m_saver->tabsChanged();
        m_saver->tmrWorkspaceSaveTimer();
        m_tabs[1] = QStringLiteral("http://two.example/next");
        m_saver->tabsChanged();
        m_saver->tmrWorkspaceSaveTimer();
        QCOMPARE(written(), m_tabs);
    }

    void saveWorkspaceOffWritesNothingDuringTheRun()
    {
        QFile file(m_workspace->filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("http://old.example/\r\n");
        file.close();
        m_workspace->toggleSaveWorkspace();

        m_tabs = {QStringLiteral("http://new.example/")};
        m_saver->tabsChanged();
        m_saver->tmrWorkspaceSaveTimer();
        QCOMPARE(written(), QStringList{QStringLiteral("http://old.example/")});

        // Turned on again, the next change is written.
        m_workspace->toggleSaveWorkspace();
        m_saver->tabsChanged();
        m_saver->tmrWorkspaceSaveTimer();
        QCOMPARE(written(), m_tabs);
    }

    void afterStopTheClosingTabsWriteNothing()
    {
        m_tabs = {QStringLiteral("http://one.example/")};
        m_saver->tabsChanged();
        m_saver->stop();
        QVERIFY(!m_saver->tmrWorkspaceSave().isActive());
        m_tabs.clear();
        m_saver->tabsChanged();
        m_saver->tmrWorkspaceSaveTimer();
        QVERIFY(!m_saver->tmrWorkspaceSave().isActive());
        QVERIFY(!QFile::exists(m_workspace->filePath()));
        QCOMPARE(m_asked, 0);
    }

    void theTabsOfLastTimeStayUntilTheSetOfTabsChanges()
    {
        QVERIFY(TextFile::writeLines(m_workspace->filePath(), {QStringLiteral("http://last.example/")}));
        m_tabs = {QStringLiteral("http://home.example/")};
        m_saver->tabsChanged();
        m_saver->keepLastTabs();
        QVERIFY(m_saver->keepsLastTabs());
        QVERIFY(!m_saver->tmrWorkspaceSave().isActive());

        // Pages loading in the tabs open now leave the file alone.
        m_tabs = {QStringLiteral("http://home.example/next")};
        m_saver->pageChanged();
        m_saver->tmrWorkspaceSaveTimer();
        QCOMPARE(written(), QStringList{QStringLiteral("http://last.example/")});

        // A tab opened, closed or moved replaces it.
        m_tabs.append(QStringLiteral("http://second.example/"));
        m_saver->tabsChanged();
        QVERIFY(!m_saver->keepsLastTabs());
        m_saver->tmrWorkspaceSaveTimer();
        QCOMPARE(written(), m_tabs);
    }
};

KESTREL_TEST(WorkspaceSaverTest)
#include "WorkspaceSaverTest.moc"
