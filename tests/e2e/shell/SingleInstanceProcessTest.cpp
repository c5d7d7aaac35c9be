#include "ProgramHome.h"
#include "ProgramRun.h"
#include "platform/InstanceLock.h"
#include "shell/DdeOpenRequest.h"
#include "shell/DdeServiceName.h"
#include "shell/InstanceClient.h"
#include "shell/InstanceNames.h"
#include "shell/InstanceServer.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

namespace {
bool serving(const QString &socketPath)
{
    return InstanceClient(socketPath, StartTimeout).connectToFirstInstance();
}

// This test process as the first instance of the test's own folders, so that every request it
// is handed can be seen.
struct FirstInstanceHere
{
    InstanceLock lock{InstanceNames::lockPath()};
    InstanceServer server{ddeServiceName(Browser)};
    QStringList received;
    int shows = 0;

    bool up()
    {
        if (!lock.tryLock() || !server.listen(InstanceNames::socketPath()))
            return false;
        QObject::connect(&server, &InstanceServer::addressReceived, &server, [this](const QString &a) { received << a; });
        QObject::connect(&server, &InstanceServer::showRequested, &server, [this] { ++shows; });
        server.startDelivering();
        return true;
    }
};
}

// Single instance across real processes of the built program.
class SingleInstanceProcessTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_web;

    QString address(const QString &path) const { return m_web.url(path).toString(); }
    bool requested(const QString &path)
    {
        return waitUntil([&] { return m_web.requestedPaths().contains(path); }, StartTimeout);
    }

private slots:
    void init() { failOnQtWarnings(); }

    void initTestCase()
    {
        QVERIFY(QFileInfo(Browser).isExecutable());
        QVERIFY(m_web.isListening());
        for (const char *path : {"/handed-over", "/early", "/dde", "/after-kill", "/handed-after-kill"})
            m_web.serve(QLatin1String(path), (QStringLiteral("<title>%1</title>").arg(QLatin1String(path))).toUtf8());
    }

    void aSecondStartHandsItsAddressOverAndEnds()
    {
        Home first;
        Run running({}, first.environment());
        QVERIFY(serving(first.socketPath()));

        Home second;
        Run handOver({address(QStringLiteral("/handed-over"))}, second.environment(&first));
        QVERIFY(handOver.finished());
        QVERIFY(handOver.endedWithCodeZero());
        QVERIFY(requested(QStringLiteral("/handed-over")));
        QVERIFY(running.running());
        // The second start read and wrote no settings or data.
        QVERIFY(second.untouched());

        // Without an argument only the show request goes over.
        Run show({}, second.environment(&first));
        QVERIFY(show.finished());
        QVERIFY(show.endedWithCodeZero());
        QVERIFY(second.untouched());
    }

    void anAddressHandedOverDuringStartUpIsKept()
    {
        Home home;
        Run running({}, home.environment());
        // The socket is there as soon as the first instance holds the lock, long before its
        // window and engine are up.
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(home.socketPath()); }, StartTimeout));
        Run early({address(QStringLiteral("/early"))}, home.environment());
        QVERIFY(early.finished());
        QVERIFY(early.endedWithCodeZero());
        QVERIFY(requested(QStringLiteral("/early")));
        QVERIFY(running.running());
    }

    void theShellsOpenRequestWorksAfterAGarbageClient()
    {
        Home home;
        Run running({}, home.environment());
        QVERIFY(serving(home.socketPath()));

        QLocalSocket garbage;
        garbage.connectToServer(home.socketPath());
        QVERIFY(garbage.waitForConnected(5000));
        garbage.write(QByteArray("GET / HTTP/1.1\r\n\r\n") + QByteArray(70000, 'x'));
        QVERIFY(waitUntil([&] { return garbage.state() == QLocalSocket::UnconnectedState; }));

        const QString service = ddeServiceName(Browser);
        InstanceClient shell(home.socketPath());
        QVERIFY(shell.connectToFirstInstance());
        QVERIFY(shell.send({InstanceMessage::Type::OpenRequest,
                            DdeOpenRequest{service, DdeOpenRequest::Topic, {address(QStringLiteral("/dde"))}}.toText()}));
        QVERIFY(requested(QStringLiteral("/dde")));
        QVERIFY(running.running());
    }

    void tenStartsAtOnceLeaveOneInstance()
    {
        Home home;
        std::vector<std::unique_ptr<Run>> runs;
        for (int i = 0; i < 10; ++i)
            runs.push_back(std::make_unique<Run>(QStringList{address(QStringLiteral("/ten/%1").arg(i))}, home.environment()));
        const auto endedCount = [&] {
            return std::count_if(runs.begin(), runs.end(), [](const auto &run) { return !run->running(); });
        };
        QVERIFY(waitUntil([&] { return endedCount() == 9; }, 2 * StartTimeout));
        QTest::qWait(500);
        QCOMPARE(endedCount(), 9);
        for (const auto &run : runs)
            QVERIFY(run->running() || run->endedWithCodeZero());
    }

    void tenStartsAtOnceHandAllTheirAddressesToTheFirst()
    {
        FirstInstanceHere first;
        QVERIFY(first.up());
        QStringList sent;
        std::vector<std::unique_ptr<Run>> runs;
        for (int i = 0; i < 10; ++i) {
            sent << address(QStringLiteral("/to-first/%1").arg(i));
            runs.push_back(std::make_unique<Run>(QStringList{sent.last()}, QProcessEnvironment::systemEnvironment()));
        }
        for (const auto &run : runs) {
            QVERIFY(run->finished());
            QVERIFY(run->endedWithCodeZero());
        }
        QVERIFY(waitUntil([&] { return first.shows == 10; }));
        first.received.sort();
        sent.sort();
        QCOMPARE(first.received, sent);
    }

    void qtOptionsOnTheCommandLineAreOnlyAddresses()
    {
        FirstInstanceHere first;
        QVERIFY(first.up());
        // Taken by Qt, this would make the start fail for want of a platform plugin.
        Run run({QStringLiteral("-platform"), QStringLiteral("no-such-platform")}, QProcessEnvironment::systemEnvironment());
        QVERIFY(run.finished());
        QVERIFY(run.endedWithCodeZero());
        QVERIFY(waitUntil([&] { return first.shows == 1; }));
        QCOMPARE(first.received, QStringList{QStringLiteral("-platform")});
    }

    void aKilledFirstInstanceDoesNotBlockTheNextStart()
    {
        Home home;
        {
            Run killed({}, home.environment());
            QVERIFY(serving(home.socketPath()));
            killed.process().kill();
            QVERIFY(killed.finished());
        }
        // The dead instance's socket file is still there.
        QVERIFY(QFileInfo::exists(home.socketPath()));

        Run next({address(QStringLiteral("/after-kill"))}, home.environment());
        QVERIFY(requested(QStringLiteral("/after-kill")));
        QVERIFY(next.running());

        Run handOver({address(QStringLiteral("/handed-after-kill"))}, home.environment());
        QVERIFY(handOver.finished());
        QVERIFY(handOver.endedWithCodeZero());
        QVERIFY(requested(QStringLiteral("/handed-after-kill")));
    }
};

KESTREL_TEST(SingleInstanceProcessTest)
#include "SingleInstanceProcessTest.moc"
