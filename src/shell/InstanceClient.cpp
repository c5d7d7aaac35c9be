#include "shell/InstanceClient.h"

#include "shell/InstanceMessageReader.h"

#include <QDeadlineTimer>
#include <QThread>

InstanceClient::InstanceClient(const QString &socketPath, int timeoutMs)
    : m_socketPath(socketPath), m_timeoutMs(timeoutMs)
{
}

bool InstanceClient::connectToFirstInstance()
{
    const QDeadlineTimer deadline(m_timeoutMs);
    for (;;) {
        m_socket.connectToServer(m_socketPath);
        if (m_socket.waitForConnected(int(qMax<qint64>(deadline.remainingTime(), 0))))
            return true;
        m_socket.abort();
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

bool InstanceClient::send(const InstanceMessage &message)
{
    const std::optional<QByteArray> bytes = message.encode();
    if (!bytes || m_socket.state() != QLocalSocket::ConnectedState)
        return false;
    const QDeadlineTimer deadline(m_timeoutMs);
    m_unanswered = false;
    m_socket.write(*bytes);
    m_socket.flush();
    InstanceMessageReader reader;
    for (;;) {
        if (std::optional<InstanceMessage> answer = reader.next())
            return answer->type == InstanceMessage::Type::Accepted;
        if (reader.failed())
            return false;
        if (deadline.hasExpired()
            || (m_socket.bytesAvailable() == 0
                && !m_socket.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 1))))) {
            // A first instance still connected has the whole message waiting in its socket,
            // and takes it once its window is up.
            m_unanswered = m_socket.state() == QLocalSocket::ConnectedState && m_socket.bytesToWrite() == 0;
            return false;
        }
        reader.feed(m_socket.readAll());
    }
}
