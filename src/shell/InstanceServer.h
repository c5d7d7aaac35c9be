#pragma once

#include "shell/InstanceMessage.h"
#include "shell/InstanceMessageReader.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <map>
#include <vector>

class QLocalServer;
class QLocalSocket;

// The first instance's end of the instance socket. Requests from later starts and from the
// shell are answered at once and held until the main window can take them (startDelivering),
// then passed on in the order they came. A client that sends something malformed is cut off;
// one that sends no complete message for three ticks of tmrIdle is dropped.
class InstanceServer : public QObject
{
    Q_OBJECT
public:
    // serviceName: the name open requests must be addressed to (ddeServiceName).
    explicit InstanceServer(const QString &serviceName, QObject *parent = nullptr);

    // Listens on the socket with access for the user only. The caller holds the instance lock,
    // so a socket file found there was left by an instance that died, and is removed first.
    bool listen(const QString &socketPath);
    void startDelivering();
    int clientCount() const { return static_cast<int>(m_clients.size()); }

    QTimer tmrIdle;
    static constexpr int IdleTicksAllowed = 3;
    void tmrIdleTimer();

signals:
    void addressReceived(const QString &address);
    void showRequested();
    void openRequested(const QStringList &lines);

private:
    struct Client
    {
        InstanceMessageReader reader;
        int idleTicks = 0;
    };

    void acceptClients();
    void readClient(QLocalSocket *socket);
    bool take(const InstanceMessage &message);
    void deliverHeld();
    void deliver(const InstanceMessage &message);
    void answer(QLocalSocket *socket, InstanceMessage::Type type);
    void drop(QLocalSocket *socket);

    QString m_serviceName;
    QLocalServer *m_server;
    std::map<QLocalSocket *, Client> m_clients;
    std::vector<InstanceMessage> m_held;
    bool m_delivering = false;
};
