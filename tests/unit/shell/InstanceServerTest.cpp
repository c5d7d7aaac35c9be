#include "platform/InstanceLock.h"
#include "shell/DdeOpenRequest.h"
#include "shell/InstanceMessageReader.h"
#include "shell/InstanceServer.h"
#include "shell/SecondInstance.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
using Type = InstanceMessage::Type;
const QString Service = QStringLiteral("kestrel-browser");

// A client that writes bytes as it likes and keeps every answer.
class RawClient
{
public:
    explicit RawClient(const QString &path)
    {
        QObject::connect(&socket, &QLocalSocket::readyRead, [this] { reader.feed(socket.readAll()); });
        socket.connectToServer(path);
    }
    bool connected() { return waitUntil([this] { return socket.state() == QLocalSocket::ConnectedState; }, 5000); }
    void send(const InstanceMessage &message) { socket.write(*message.encode()); }
    // The next answer of the server, or nothing when none comes.
    std::optional<Type> answer()
    {
        std::optional<InstanceMessage> message;
        waitUntil([&] {
            if (!message)
                message = reader.next();
            return message.has_value();
        }, 5000);
        return message ? std::optional<Type>(message->type) : std::nullopt;
    }
    bool cutOff() { return waitUntil([this] { return socket.state() == QLocalSocket::UnconnectedState; }, 5000); }

    QLocalSocket socket;
    InstanceMessageReader reader;
};

// A socket file with nobody behind it, as a killed instance leaves it.
bool makeStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    memcpy(address.sun_path, name.constData(), size_t(name.size()) + 1);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(path);
}

// A socket listening at the path, served by hand; -1 when it cannot be made.
int listenAt(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    memcpy(address.sun_path, name.constData(), size_t(name.size()) + 1);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(fd, 1) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

InstanceMessage openRequest(const QString &service, const QString &topic, const QStringList &lines)
{
    return {Type::OpenRequest, DdeOpenRequest{service, topic, lines}.toText()};
}
}

// The first instance's socket end, the later start's hand-over and the instance lock.
class InstanceServerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_sockets = 0;
    QString freshSocket() { return m_dir.path() + QStringLiteral("/s%1").arg(++m_sockets); }

private slots:
    void init() { failOnQtWarnings(); }

    void requestsAreHeldUntilTheWindowCanTakeThem()
    {
        const QString path = freshSocket();
        InstanceServer server(Service);
        QVERIFY(server.listen(path));
        QSignalSpy addresses(&server, &InstanceServer::addressReceived);
        QSignalSpy shows(&server, &InstanceServer::showRequested);
        QSignalSpy opens(&server, &InstanceServer::openRequested);

        RawClient client(path);
        QVERIFY(client.connected());
        client.send({Type::SendAddress, QStringLiteral("http://early/")});
        QVERIFY(client.answer() == Type::Accepted);
        client.send({Type::ShowInstance, QString()});
        QVERIFY(client.answer() == Type::Accepted);
        client.send(openRequest(Service, DdeOpenRequest::Topic, {QStringLiteral("http://dde/")}));
        QVERIFY(client.answer() == Type::Accepted);
        QCOMPARE(addresses.count() + shows.count() + opens.count(), 0);

        // Taken in the order they came once delivering starts.
        QStringList order;
        connect(&server, &InstanceServer::addressReceived, this, [&](const QString &a) { order << a; });
        connect(&server, &InstanceServer::showRequested, this, [&] { order << QStringLiteral("show"); });
        connect(&server, &InstanceServer::openRequested, this, [&](const QStringList &l) { order << l; });
        server.startDelivering();
        QCOMPARE(order, (QStringList{QStringLiteral("http://early/"), QStringLiteral("show"), QStringLiteral("http://dde/")}));

        // Later requests follow once the current event is done.
        client.send({Type::SendAddress, QStringLiteral("http://late/")});
        QVERIFY(client.answer() == Type::Accepted);
        QVERIFY(waitUntil([&] { return addresses.count() == 2; }));
        QCOMPARE(addresses.last().first().toString(), QStringLiteral("http://late/"));
    }

    void openRequestsForAnotherServiceOrTopicAreRefused()
    {
        const QString path = freshSocket();
        InstanceServer server(Service);
        QVERIFY(server.listen(path));
        server.startDelivering();
        QSignalSpy opens(&server, &InstanceServer::openRequested);
        for (const InstanceMessage &wrong : {openRequest(QStringLiteral("other"), DdeOpenRequest::Topic, {}),
                                             openRequest(Service, QStringLiteral("WWW_Activate"), {}),
                                             InstanceMessage{Type::OpenRequest, QStringLiteral("no lines")},
                                             InstanceMessage{Type::Accepted, QString()}}) {
            RawClient client(path);
            QVERIFY(client.connected());
            client.send(wrong);
            QVERIFY(client.answer() == Type::Refused);
            QVERIFY(client.cutOff());
        }
        QTest::qWait(0);
        QCOMPARE(opens.count(), 0);
    }

    void malformedClientsAreCutOffAndTheServerGoesOn()
    {
        const QString path = freshSocket();
        InstanceServer server(Service);
        QVERIFY(server.listen(path));
        server.startDelivering();
        QSignalSpy addresses(&server, &InstanceServer::addressReceived);

        RawClient garbage(path);
        QVERIFY(garbage.connected());
        garbage.socket.write(QByteArray(100, '\xff'));
        QVERIFY(garbage.cutOff());

        RawClient oversized(path);
        QVERIFY(oversized.connected());
        QByteArray header = InstanceMessage{Type::SendAddress, QString()}.encode()->left(8);
        header.append("\x7f\xff\xff\xff", 4);
        oversized.socket.write(header);
        QVERIFY(oversized.cutOff());

        // A message written in pieces is put together again.
        RawClient pieces(path);
        QVERIFY(pieces.connected());
        const QByteArray bytes = *InstanceMessage{Type::SendAddress, QStringLiteral("http://pieces/")}.encode();
        for (const QByteArray &piece : {bytes.left(3), bytes.mid(3, 10), bytes.mid(13)}) {
            pieces.socket.write(piece);
            pieces.socket.flush();
            QTest::qWait(20);
        }
        QVERIFY(pieces.answer() == Type::Accepted);
        QVERIFY(waitUntil([&] { return addresses.count() == 1; }));
        QCOMPARE(addresses.first().first().toString(), QStringLiteral("http://pieces/"));
    }

    void silentClientsAreDroppedAfterThreeTicks()
    {
        const QString path = freshSocket();
        InstanceServer server(Service);
        QVERIFY(server.listen(path));
        RawClient silent(path);
        QVERIFY(silent.connected());
        QVERIFY(waitUntil([&] { return server.clientCount() == 1; }));
        QVERIFY(server.tmrIdle.isActive());
        QCOMPARE(server.tmrIdle.interval(), 1000);
        server.tmrIdleTimer();
        server.tmrIdleTimer();
        QCOMPARE(server.clientCount(), 1);
        // A complete message starts the count afresh.
        silent.send({Type::ShowInstance, QString()});
        QVERIFY(silent.answer());
        server.tmrIdleTimer();
        server.tmrIdleTimer();
        QCOMPARE(server.clientCount(), 1);
        server.tmrIdleTimer();
        QCOMPARE(server.clientCount(), 0);
        QVERIFY(silent.cutOff());
        QVERIFY(!server.tmrIdle.isActive());
    }

    void aStaleSocketFileDoesNotBlockAndTheSocketIsPrivate()
    {
        const QString path = freshSocket();
        QVERIFY(makeStaleSocket(path));
        InstanceServer server(Service);
        QVERIFY(server.listen(path));
        QCOMPARE(QFile::permissions(path) & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                             | QFileDevice::WriteOther),
                 QFileDevice::Permissions());
        RawClient client(path);
        QVERIFY(client.connected());
        client.send({Type::ShowInstance, QString()});
        QVERIFY(client.answer() == Type::Accepted);
    }

    void theLockHasOneHolderAtATime()
    {
        const QString path = m_dir.path() + QStringLiteral("/instance.lock");
        auto first = std::make_unique<InstanceLock>(path);
        InstanceLock second(path);
        QVERIFY(first->tryLock());
        QVERIFY(!second.tryLock());
        QVERIFY(!second.failed());
        first.reset();
        QVERIFY(second.tryLock());
        QVERIFY(second.isLocked());

        InstanceLock nowhere(m_dir.path() + QStringLiteral("/no/such/folder/instance.lock"));
        QVERIFY(!nowhere.tryLock());
        QVERIFY(nowhere.failed());
    }

    void aFailedHandOverIsReported()
    {
        ScriptedPrompter prompter;
        // Nobody listens.
        SecondInstance(freshSocket(), prompter, 200).run(QStringLiteral("http://a/"));
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("Send URL Failed")});

        // Somebody takes the connection and drops it unanswered.
        prompter.clear();
        const QString path = freshSocket();
        const int listening = listenAt(path);
        QVERIFY(listening >= 0);
        std::thread dropping([listening] {
            const int client = ::accept(listening, nullptr, nullptr);
            char buffer[256];
            [[maybe_unused]] const ssize_t got = ::read(client, buffer, sizeof buffer);
            ::close(client);
        });
        SecondInstance(path, prompter, 5000).run(QStringLiteral("http://a/"));
        dropping.join();
        ::close(listening);
        QCOMPARE(prompter.texts(), QStringList{QStringLiteral("Send URL Failed")});

        // Somebody listens but has not answered yet, as a first instance still making its
        // window: the address waits in its socket, and that is no failure.
        prompter.clear();
        const QString slowPath = freshSocket();
        QLocalServer starting;
        QVERIFY(starting.listen(slowPath));
        SecondInstance(slowPath, prompter, 200).run(QStringLiteral("http://a/"));
        QVERIFY(prompter.shown().isEmpty());

        // Without an address there is nothing to report.
        prompter.clear();
        SecondInstance(freshSocket(), prompter, 200).run(std::nullopt);
        SecondInstance(freshSocket(), prompter, 200).run(QString());
        QVERIFY(prompter.shown().isEmpty());
    }
};

KESTREL_TEST(InstanceServerTest)
#include "InstanceServerTest.moc"
