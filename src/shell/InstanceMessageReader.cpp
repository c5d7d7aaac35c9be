#include "shell/InstanceMessageReader.h"

#include <QStringDecoder>
#include <QtEndian>

#include <cstring>

namespace {
constexpr char Magic[4] = {'K', 'B', 'I', 'M'};

bool knownType(quint16 type)
{
    return type >= static_cast<quint16>(InstanceMessage::Type::SendAddress)
        && type <= static_cast<quint16>(InstanceMessage::Type::Refused);
}
}

void InstanceMessageReader::feed(const QByteArray &bytes)
{
    if (failed())
        return;
    m_buffer.append(bytes);
    checkHeader();
}

void InstanceMessageReader::checkHeader()
{
    // Check what has arrived of the header at once, so a wrong peer is refused early.
    const qsizetype have = qMin<qsizetype>(m_buffer.size(), InstanceMessage::HeaderSize);
    const char *data = m_buffer.constData();
    if (memcmp(data, Magic, qMin<qsizetype>(have, 4)) != 0) {
        m_fault = Fault::BadMagic;
    } else if (have >= 6 && qFromBigEndian<quint16>(data + 4) != InstanceMessage::Version) {
        m_fault = Fault::BadVersion;
    } else if (have >= 8 && !knownType(qFromBigEndian<quint16>(data + 6))) {
        m_fault = Fault::BadType;
    } else if (have >= 12
               && qFromBigEndian<quint32>(data + 8)
                      > quint32(InstanceMessage::MaxSize - InstanceMessage::HeaderSize)) {
        m_fault = Fault::TooLarge;
    }
    if (failed())
        m_buffer.clear();
}

std::optional<InstanceMessage> InstanceMessageReader::next()
{
    if (failed() || m_buffer.size() < InstanceMessage::HeaderSize)
        return std::nullopt;
    const char *data = m_buffer.constData();
    const qsizetype length = qFromBigEndian<quint32>(data + 8);
    if (m_buffer.size() < InstanceMessage::HeaderSize + length)
        return std::nullopt;

    InstanceMessage message;
    message.type = static_cast<InstanceMessage::Type>(qFromBigEndian<quint16>(data + 6));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    message.text = utf8.decode(QByteArrayView(data + InstanceMessage::HeaderSize, length));
    m_buffer.remove(0, InstanceMessage::HeaderSize + length);
    if (utf8.hasError() || message.text.contains(QChar(0))) {
        m_fault = Fault::BadText;
        m_buffer.clear();
        return std::nullopt;
    }
    checkHeader();
    return message;
}
