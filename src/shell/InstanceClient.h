#pragma once

#include "shell/InstanceMessage.h"

#include <QLocalSocket>
#include <QString>

// A later start's end of the instance socket. Every call waits for its answer, each at most the
// given time.
class InstanceClient
{
public:
    // A first instance answers once its window is made, which may take seconds on a busy machine.
    static constexpr int DefaultTimeoutMs = 10000;

    explicit InstanceClient(const QString &socketPath, int timeoutMs = DefaultTimeoutMs);

    // Connects, retrying while a first instance that already holds the lock sets up its socket.
    bool connectToFirstInstance();
    // Sends one message and waits until the first instance has taken it.
    bool send(const InstanceMessage &message);
    // The last message went out whole to a first instance that is still connected, but its
    // answer did not come in time: the first instance has not refused it and may yet take it.
    bool unanswered() const { return m_unanswered; }

private:
    QString m_socketPath;
    int m_timeoutMs;
    QLocalSocket m_socket;
    bool m_unanswered = false;
};
