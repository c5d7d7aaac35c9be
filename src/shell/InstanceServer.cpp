#include "shell/InstanceServer.h"

#include "shell/DdeOpenRequest.h"

#include <QLocalServer>
#include <QLocalSocket>

InstanceServer::InstanceServer(const QString &serviceName, QObject *parent)
    : QObject(parent), m_serviceName(serviceName), m_server(new QLocalServer(this))
{
    tmrIdle.setInterval(1000);
    connect(&tmrIdle, &QTimer::timeout, this, &InstanceServer::tmrIdleTimer);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptClients);
}

bool InstanceServer::listen(const QString &socketPath)
{
    QLocalServer::removeServer(socketPath);
    return m_server->listen(socketPath);
}

void InstanceServer::startDelivering()
{
    m_delivering = true;
    deliverHeld();
}

void InstanceServer::acceptClients()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        m_clients.emplace(socket, Client{});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readClient(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { drop(socket); });
        readClient(socket);
    }
    if (!m_clients.empty())
        tmrIdle.start();
}

void InstanceServer::readClient(QLocalSocket *socket)
{
    if (auto found = m_clients.find(socket); found != m_clients.end())
        found->second.reader.feed(socket->readAll());
    // Answering may end the connection, so the client is looked up afresh for every message.
    for (;;) {
        auto found = m_clients.find(socket);
        if (found == m_clients.end())
            return;
        Client &client = found->second;
        const std::optional<InstanceMessage> message = client.reader.next();
        if (!message) {
            if (client.reader.failed())
                drop(socket);
            return;
        }
        client.idleTicks = 0;
        const bool taken = take(*message);
        answer(socket, taken ? InstanceMessage::Type::Accepted : InstanceMessage::Type::Refused);
        if (!taken)
            socket->disconnectFromServer();
    }
}

bool InstanceServer::take(const InstanceMessage &message)
{
    switch (message.type) {
    case InstanceMessage::Type::SendAddress:
    case InstanceMessage::Type::ShowInstance:
        break;
    case InstanceMessage::Type::OpenRequest: {
        const std::optional<DdeOpenRequest> request = DdeOpenRequest::fromText(message.text);
        if (!request || request->service != m_serviceName || request->topic != DdeOpenRequest::Topic)
            return false;
        break;
    }
    case InstanceMessage::Type::Accepted:
    case InstanceMessage::Type::Refused:
        return false;
    }
    m_held.push_back(message);
    // Handlers may open dialogs with event loops of their own; they run after reading is done.
    if (m_delivering)
        QMetaObject::invokeMethod(this, &InstanceServer::deliverHeld, Qt::QueuedConnection);
    return true;
}

void InstanceServer::deliverHeld()
{
    std::vector<InstanceMessage> held;
    held.swap(m_held);
    for (const InstanceMessage &message : held)
        deliver(message);
}

void InstanceServer::deliver(const InstanceMessage &message)
{
    switch (message.type) {
    case InstanceMessage::Type::SendAddress:
        emit addressReceived(message.text);
        break;
    case InstanceMessage::Type::ShowInstance:
        emit showRequested();
        break;
    case InstanceMessage::Type::OpenRequest:
        emit openRequested(DdeOpenRequest::fromText(message.text)->lines);
        break;
    case InstanceMessage::Type::Accepted:
    case InstanceMessage::Type::Refused:
        break;
    }
}

void InstanceServer::answer(QLocalSocket *socket, InstanceMessage::Type type)
{
    InstanceMessage reply;
    reply.type = type;
    socket->write(*reply.encode());
    socket->flush();
}

void InstanceServer::drop(QLocalSocket *socket)
{
    if (m_clients.erase(socket) == 0)
        return;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    if (m_clients.empty())
        tmrIdle.stop();
}

void InstanceServer::tmrIdleTimer()
{
    std::vector<QLocalSocket *> idle;
    for (auto &[socket, client] : m_clients) {
        if (++client.idleTicks >= IdleTicksAllowed)
            idle.push_back(socket);
    }
    for (QLocalSocket *socket : idle)
        drop(socket);
}
