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
#include <QRandomGenerator>
#include <QTest>
#include <csignal>

namespace {
// The program's folders with a workspace of the given addresses.
class WorkspaceHome : public Home
{
public:
    explicit WorkspaceHome(const QStringList &addresses)
    {
        TextFile::writeLines(folder("data") + QLatin1Char('/') + Workspace::FileName, addresses);
    }
    void setSetting(const QString &key, const QString &value) const
    {
        SettingsStore store(folder("config") + QStringLiteral("/kestrel-browser/registry.ini"));
        store.writeString(SettingsStore::MainSection, key, value);
    }
};

bool terminate(Run &run)
{
    return ::kill(static_cast<pid_t>(run.process().processId()), SIGTERM) == 0;
}
}

// The built program ends cleanly, with exit code 0, whenever it is asked to: while it starts,
// while its pages load and report, and with windows open that pages opened themselves.
class CleanExitProcessTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_web;

    QString address(const QString &path) const { return m_web.url(path).toString(); }
    bool requested(const QString &path, int before)
    {
        return waitUntil([&] { return m_web.requestedPaths().count(path) > before; }, StartTimeout);
    }

private slots:
    void init() { failOnQtWarnings(); }

    void initTestCase()
    {
        QVERIFY(QFileInfo(Browser).isExecutable());
        QVERIFY(m_web.isListening());
        m_web.serveHtml(QStringLiteral("/framed"),
                        QStringLiteral("<title>Framed</title><iframe src=\"/inner\"></iframe><p>text</p>"));
        m_web.serveHtml(QStringLiteral("/inner"), QStringLiteral("<title>Inner</title><input type=text>"));
        m_web.serveHtml(QStringLiteral("/plain"), QStringLiteral("<title>Plain</title><p>plain</p>"));
        m_web.serveHtml(QStringLiteral("/opener"),
                        QStringLiteral("<title>Opener</title><script>window.open('/popup', '_blank', "
                                       "'width=300,height=200')</script>"));
        m_web.serveHtml(QStringLiteral("/popup"), QStringLiteral("<title>Popup</title><p>popup</p>"));
        m_web.serveHtml(QStringLiteral("/again"), QStringLiteral("<title>Again</title>"));
    }

    void aTerminationAtAnyMomentOfTheStartEndsWithCodeZero()
    {
        const QStringList pages{address(QStringLiteral("/framed")), address(QStringLiteral("/plain")),
                                address(QStringLiteral("/framed"))};
        for (int run = 0; run < 30; ++run) {
            WorkspaceHome home(pages);
            const int delay = QRandomGenerator::global()->bounded(2000);
            Run running({}, home.environment());
            // While the system still loads the program, a signal ends it before any of its code
            // runs. The moments count from the instance lock, which the program takes right
            // after its termination handler is in place and before its window is made.
            QVERIFY(waitUntil([&] { return QFile::exists(home.socketPath() + QStringLiteral(".lock")); }, StartTimeout));
            QTest::qWait(delay);
            QVERIFY(terminate(running));
            QVERIFY2(running.finished(), qPrintable(QStringLiteral("still running, SIGTERM after %1 ms").arg(delay)));
            QVERIFY2(running.endedWithCodeZero(),
                     qPrintable(QStringLiteral("exit status %1, code %2 after SIGTERM at %3 ms")
                                    .arg(int(running.process().exitStatus()))
                                    .arg(running.process().exitCode())
                                    .arg(delay)));
        }
    }

    void aWindowAPageOpenedItselfClosesWithTheProgram()
    {
        WorkspaceHome home({address(QStringLiteral("/opener"))});
        // A pop-up requested while the page loads opens in a window of the engine's own.
        home.setSetting(QStringLiteral("New Window"), QStringLiteral("3"));
        {
            const int before = m_web.requestedPaths().count(QStringLiteral("/popup"));
            Run running({}, home.environment());
            QVERIFY(requested(QStringLiteral("/popup"), before));
            QTest::qWait(500);
            QVERIFY(terminate(running));
            QVERIFY(running.finished(20000));
            QVERIFY(running.endedWithCodeZero());
        }
        // The next start is a first instance: it loads the address itself and keeps running.
        const int before = m_web.requestedPaths().count(QStringLiteral("/again"));
        Run next({address(QStringLiteral("/again"))}, home.environment());
        QVERIFY(requested(QStringLiteral("/again"), before));
        QVERIFY(next.running());
    }
};

KESTREL_TEST(CleanExitProcessTest)
#include "CleanExitProcessTest.moc"
