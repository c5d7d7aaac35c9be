#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// One message between instances of the program over the instance socket: a 12-byte header
// ("KBIM", version, type, payload length, all big-endian) followed by the payload as UTF-8.
// A whole message is at most MaxSize bytes.
struct InstanceMessage
{
    enum class Type : quint16 {
        SendAddress = 1,  // an address handed over by a second start
        ShowInstance = 2, // asks the first instance to come to the front
        OpenRequest = 3,  // the shell's open request (service, topic, request lines)
        Accepted = 4,     // answer: the request was taken
        Refused = 5,      // answer: the request was not for this instance
    };

    static constexpr quint16 Version = 1;
    static constexpr qsizetype HeaderSize = 12;
    static constexpr qsizetype MaxSize = 64 * 1024;

    Type type = Type::ShowInstance;
    QString text;

    // The message as bytes, or nothing when it would exceed MaxSize.
    std::optional<QByteArray> encode() const;
};
