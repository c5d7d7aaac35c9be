#include "ProgramHome.h"
#include "ProgramRun.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "shell/Workspace.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>

namespace {
// The program's folders with a default group that holds no address, so that a first start
// without a workspace opens no tab and the test decides every tab there is.
class EmptyStartHome : public Home
{
public:
    EmptyStartHome()
    {
        SettingsStore store(folder("config") + QStringLiteral("/kestrel-browser/registry.ini"));
        store.writeString(SettingsStore::MainSection, QStringLiteral("Default Group"), QStringLiteral("Empty"));
        TextFile::writeLines(dataFile(Workspace::GroupFileName),
                             {QStringLiteral("Empty"), QStringLiteral("Other"), QStringLiteral("\thttp://127.0.0.1:9/")});
    }
    QString dataFile(const QString &name) const { return folder("data") + QLatin1Char('/') + name; }
    QStringList workspace() const { return TextFile::readLines(dataFile(Workspace::FileName)).value_or(QStringList()); }
    QByteArray workspaceBytes() const
    {
        QFile file(dataFile(Workspace::FileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

bool sendSignal(Run &run, int signalNumber)
{
    return ::kill(static_cast<pid_t>(run.process().processId()), signalNumber) == 0;
}
}

// The workspace across real runs of the built program: written at a requested close, kept
// current while the program runs, and opened again at the next start.
class WorkspaceProcessTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_web;

    QString address(int page) const { return m_web.url(QStringLiteral("/page%1").arg(page)).toString(); }
    int requests(int page) const { return m_web.requestedPaths().count(QStringLiteral("/page%1").arg(page)); }
    bool requestedAgain(int page, int before)
    {
        return waitUntil([&] { return requests(page) > before; }, StartTimeout);
    }
    // Opens the page on a new tab of the running program through a later start.
    bool openInRunning(const EmptyStartHome &home, int page)
    {
        const int before = requests(page);
        Run handOver({address(page)}, home.environment());
        return handOver.finished() && handOver.endedWithCodeZero() && requestedAgain(page, before);
    }
    QStringList addresses(int count) const
    {
        QStringList list;
        for (int page = 1; page <= count; ++page)
            list << address(page);
        return list;
    }

private slots:
    void init() { failOnQtWarnings(); }

    void initTestCase()
    {
        QVERIFY(QFileInfo(Browser).isExecutable());
        QVERIFY(m_web.isListening());
        for (int page = 1; page <= 4; ++page)
            m_web.serveHtml(QStringLiteral("/page%1").arg(page), QStringLiteral("<title>Page %1</title>").arg(page));
    }

    void aRequestedCloseWritesTheTabsAndTheNextStartOpensThemInOrder()
    {
        EmptyStartHome home;
        {
            const int before = requests(1);
            Run running({address(1)}, home.environment());
            QVERIFY(requestedAgain(1, before));
            QVERIFY(openInRunning(home, 2));
            QVERIFY(openInRunning(home, 3));
            // Every tab has shown its page once the file written during the run names all three.
            QVERIFY(waitUntil([&] { return home.workspace() == addresses(3); }, StartTimeout));
            QFile::remove(home.dataFile(Workspace::FileName));

            QVERIFY(sendSignal(running, SIGTERM));
            QVERIFY(running.finished());
            QVERIFY(running.endedWithCodeZero());
        }
        QCOMPARE(home.workspaceBytes(), (addresses(3).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        // The close wrote the settings too.
        SettingsStore store(home.folder("config") + QStringLiteral("/kestrel-browser/registry.ini"));
        QVERIFY(store.valueExists(SettingsStore::MainSection, QStringLiteral("Tab Position")));

        // The next start opens the three again, each loading its page.
        QFile::remove(home.dataFile(Workspace::GroupFileName));
        const QList<int> before{requests(1), requests(2), requests(3)};
        Run again({}, home.environment());
        for (int page = 1; page <= 3; ++page)
            QVERIFY(requestedAgain(page, before[page - 1]));
        QVERIFY(sendSignal(again, SIGINT));
        QVERIFY(again.finished());
        QCOMPARE(home.workspace(), addresses(3));
    }

    void aKilledProgramLosesNoTab()
    {
        EmptyStartHome home;
        QVERIFY(TextFile::writeLines(home.dataFile(Workspace::FileName), addresses(3)));
        {
            const int before = requests(3);
            Run running({}, home.environment());
            QVERIFY(requestedAgain(3, before));
            QVERIFY(openInRunning(home, 4));
            QTest::qWait(2000);
            running.process().kill();
            QVERIFY(running.finished());
        }
        QCOMPARE(home.workspace(), addresses(4));

        const int before = requests(4);
        Run again({}, home.environment());
        QVERIFY(requestedAgain(4, before));
        QVERIFY(sendSignal(again, SIGTERM));
        QVERIFY(again.finished());
        QCOMPARE(home.workspace(), addresses(4));
    }
};

KESTREL_TEST(WorkspaceProcessTest)
#include "WorkspaceProcessTest.moc"
