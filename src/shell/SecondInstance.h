#pragma once

#include "shell/InstanceClient.h"

#include <QString>
#include <optional>

class Prompter;

// What a start does when another instance already runs: hands its address over, asks that
// instance to come to the front, and ends. No settings are read and no window is made.
class SecondInstance
{
public:
    SecondInstance(const QString &socketPath, Prompter &prompter,
                   int timeoutMs = InstanceClient::DefaultTimeoutMs);

    // The whole hand-over; "Send URL Failed" is shown when the address could not be handed over.
    void run(const std::optional<QString> &address);
    bool SendAddressToFirstInstance(const QString &address);

private:
    InstanceClient m_client;
    Prompter &m_prompter;
    bool m_connected = false;
};
