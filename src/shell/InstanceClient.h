#pragma once

#include "shell/InstanceMessage.h"

#include <QLocalSocket>
#include <QString>

// A later start's end of the instance socket. Every call waits, bounded, for its answer.
class InstanceClient
{
public:
    static constexpr int ConnectTimeoutMs = 5000;
    static constexpr int AnswerTimeoutMs = 10000;

    explicit InstanceClient(const QString &socketPath);

    // Connects, retrying while a first instance that already holds the lock sets up its socket.
    bool connectToFirstInstance(int timeoutMs = ConnectTimeoutMs);
    // Sends one message and waits until the first instance has taken it.
    bool send(const InstanceMessage &message, int timeoutMs = AnswerTimeoutMs);

private:
    QString m_socketPath;
    QLocalSocket m_socket;
};
