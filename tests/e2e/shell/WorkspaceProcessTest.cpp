#include "ProgramHome.h"
#include "ProgramRun.h"
#include "XDisplay.h"
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

// The user's way out: the File menu opened with its key, then "E&xit". The keys are typed again
// (after closing whatever opened) until the program ends, since the window may not have taken
// the keyboard yet when they are first typed.
bool exitThroughTheFileMenu(const XDisplay &display, Run &running)
{
    for (int attempt = 0; attempt < 6; ++attempt) {
        const QStringList windows = display.windowsNamed(QStringLiteral("^Kestrel Browser"));
        if (!windows.isEmpty()) {
            display.xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), windows.first()});
            display.xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("Escape"),
                             QStringLiteral("alt+f"), QStringLiteral("x")});
        }
        if (running.finished(5000))
            return true;
    }
    return false;
}

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
    // With a run started on page 1: opens pages 2 and 3 in it, waits until the file written
    // during the run names all three (every tab has shown its page), and removes that file so
    // that what follows is the close's own write.
    bool openThreePages(const EmptyStartHome &home, int firstPageRequests)
    {
        if (!requestedAgain(1, firstPageRequests) || !openInRunning(home, 2) || !openInRunning(home, 3))
            return false;
        if (!waitUntil([&] { return home.workspace() == addresses(3); }, StartTimeout))
            return false;
        return QFile::remove(home.dataFile(Workspace::FileName));
    }
    QByteArray threeLines() const
    {
        return (addresses(3).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    }
    // Starts again without the default group and waits until all three pages load.
    bool startAgainOnThreePages(const EmptyStartHome &home, std::unique_ptr<Run> &again,
                                const QProcessEnvironment &environment)
    {
        QFile::remove(home.dataFile(Workspace::GroupFileName));
        const QList<int> before{requests(1), requests(2), requests(3)};
        again = std::make_unique<Run>(QStringList(), environment);
        for (int page = 1; page <= 3; ++page) {
            if (!requestedAgain(page, before[page - 1]))
                return false;
        }
        return true;
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
            QVERIFY(openThreePages(home, before));

            QVERIFY(sendSignal(running, SIGTERM));
            QVERIFY(running.finished());
            QVERIFY(running.endedWithCodeZero());
        }
        QCOMPARE(home.workspaceBytes(), threeLines());
        // The close wrote the settings too.
        SettingsStore store(home.folder("config") + QStringLiteral("/kestrel-browser/registry.ini"));
        QVERIFY(store.valueExists(SettingsStore::MainSection, QStringLiteral("Tab Position")));

        // The next start opens the three again, each loading its page.
        std::unique_ptr<Run> again;
        QVERIFY(startAgainOnThreePages(home, again, home.environment()));
        QVERIFY(sendSignal(*again, SIGINT));
        QVERIFY(again->finished());
        QCOMPARE(home.workspace(), addresses(3));
    }

    void theFileMenusExitWritesTheTabsAndTheNextStartShowsTheLastOne()
    {
        XDisplay display;
        QVERIFY(display.isUp());
        EmptyStartHome home;
        const QProcessEnvironment environment = display.environment(home.environment());
        {
            const int before = requests(1);
            Run running({address(1)}, environment);
            QVERIFY(openThreePages(home, before));

            QVERIFY(exitThroughTheFileMenu(display, running));
            QVERIFY(running.endedWithCodeZero());
        }
        QCOMPARE(home.workspaceBytes(), threeLines());

        std::unique_ptr<Run> again;
        QVERIFY(startAgainOnThreePages(home, again, environment));
        // The last tab is the active one: its page names the window.
        QVERIFY(waitUntil([&] { return !display.windowsNamed(QStringLiteral("\\[Page 3\\]$")).isEmpty(); },
                          StartTimeout));
        QVERIFY(sendSignal(*again, SIGTERM));
        QVERIFY(again->finished());
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
