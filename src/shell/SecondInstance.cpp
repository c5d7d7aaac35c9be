#include "shell/SecondInstance.h"

#include "ui/Prompter.h"

SecondInstance::SecondInstance(const QString &socketPath, Prompter &prompter, int timeoutMs)
    : m_client(socketPath, timeoutMs), m_prompter(prompter)
{
}

void SecondInstance::run(const std::optional<QString> &address)
{
    m_connected = m_client.connectToFirstInstance();
    // An address left unanswered by a first instance that is still starting is no failure: it
    // opens once that instance reads it.
    if (address && !address->isEmpty() && !SendAddressToFirstInstance(*address) && !m_client.unanswered())
        m_prompter.message(QStringLiteral("Send URL Failed"));
    if (m_connected)
        m_client.send(InstanceMessage{InstanceMessage::Type::ShowInstance, QString()});
}

bool SecondInstance::SendAddressToFirstInstance(const QString &address)
{
    return m_connected
        && m_client.send(InstanceMessage{InstanceMessage::Type::SendAddress, address});
}
