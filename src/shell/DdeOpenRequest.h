#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The shell's request to open an address in the running instance, as carried by an
// open-request message: the service and topic it is addressed to, then the request's lines.
struct DdeOpenRequest
{
    static inline const QString Topic = QStringLiteral("WWW_OpenURL");

    QString service;
    QString topic;
    QStringList lines;

    // The message text: service, topic and lines, each on a line of its own.
    QString toText() const;
    // Nothing when the text lacks the service or topic line.
    static std::optional<DdeOpenRequest> fromText(const QString &text);
    // The request text the duplicate check and the new tab use: every line followed by CR LF.
    static QString requestText(const QStringList &lines);
};
