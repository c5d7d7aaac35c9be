#include "shell/InstanceMessage.h"

#include <QtEndian>

#include <cstring>

std::optional<QByteArray> InstanceMessage::encode() const
{
    const QByteArray payload = text.toUtf8();
    if (payload.size() > MaxSize - HeaderSize)
        return std::nullopt;
    QByteArray bytes(HeaderSize, '\0');
    char *header = bytes.data();
    memcpy(header, "KBIM", 4);
    qToBigEndian<quint16>(Version, header + 4);
    qToBigEndian<quint16>(static_cast<quint16>(type), header + 6);
    qToBigEndian<quint32>(static_cast<quint32>(payload.size()), header + 8);
    return bytes + payload;
}
