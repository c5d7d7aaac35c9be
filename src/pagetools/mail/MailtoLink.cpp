#include "pagetools/mail/MailtoLink.h"

namespace MailtoLink {

QString encode(const QString &text)
{
    static const QByteArray kept = QByteArrayLiteral("!$'()*-.@_");
    QString encoded;
    for (const char byte : text.toUtf8()) {
        const auto value = static_cast<unsigned char>(byte);
        if ((value >= '0' && value <= '9') || (value >= 'A' && value <= 'Z') || (value >= 'a' && value <= 'z')
            || kept.contains(byte))
            encoded += QLatin1Char(byte);
        else
            encoded += QStringLiteral("%%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    }
    return encoded;
}

QString forPage(const QString &title, const QString &address)
{
    return QStringLiteral("mailto:?SUBJECT=") + encode(title) + QStringLiteral("&BODY=") + encode(address)
        + encode(QStringLiteral("\r\n")) + QLatin1Char('<') + encode(title) + QLatin1Char('>');
}

}
