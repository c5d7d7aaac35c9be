#include "shell/DdeOpenRequest.h"

QString DdeOpenRequest::toText() const
{
    return (QStringList{service, topic} + lines).join(QLatin1Char('\n'));
}

std::optional<DdeOpenRequest> DdeOpenRequest::fromText(const QString &text)
{
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.size() < 2)
        return std::nullopt;
    DdeOpenRequest request;
    request.service = parts.takeFirst();
    request.topic = parts.takeFirst();
    request.lines = parts;
    return request;
}

QString DdeOpenRequest::requestText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}
