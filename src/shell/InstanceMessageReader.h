#pragma once

#include "shell/InstanceMessage.h"

#include <QByteArray>
#include <optional>

// Reassembles messages from bytes as they arrive, in pieces or several at once. The first fault
// (wrong magic, unknown version or type, a length beyond the limit, text that is not valid
// UTF-8 or holds a NUL) stops the reader for good: the connection is not to be trusted.
class InstanceMessageReader
{
public:
    enum class Fault { None, BadMagic, BadVersion, BadType, TooLarge, BadText };

    void feed(const QByteArray &bytes);
    // The next complete message, or nothing while one is incomplete or after a fault.
    std::optional<InstanceMessage> next();
    Fault fault() const { return m_fault; }
    bool failed() const { return m_fault != Fault::None; }

private:
    void checkHeader();

    QByteArray m_buffer;
    Fault m_fault = Fault::None;
};
