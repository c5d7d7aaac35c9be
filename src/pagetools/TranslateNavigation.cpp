#include "pagetools/TranslateNavigation.h"

#include <QUrl>

const QString TranslateNavigation::ServiceHost = QStringLiteral("translate.yandex.com");

namespace {
const QString UrlKey = QStringLiteral("url=");
}

std::optional<QString> TranslateNavigation::BeforeNavigate(const QString &requested, const QString &addressBoxText)
{
    if (m_pass) {
        m_pass = false;
        return std::nullopt;
    }
    return complete(requested, pageAddress(addressBoxText));
}

QString TranslateNavigation::pageAddress(const QString &addressBoxText)
{
    if (!addressBoxText.contains(ServiceHost, Qt::CaseInsensitive) || !addressBoxText.contains(UrlKey)
        || !(addressBoxText.toLower().contains(QLatin1String("http://"))
             || addressBoxText.toLower().contains(QLatin1String("https://"))))
        return addressBoxText;
    // The value runs to the next key the service may have added after it, and was encoded
    // when the request was made.
    QString value = addressBoxText.mid(addressBoxText.indexOf(UrlKey) + UrlKey.size());
    const qsizetype end = value.indexOf(QLatin1Char('&'));
    if (end >= 0)
        value.truncate(end);
    return QUrl::fromPercentEncoding(value.toUtf8());
}

QString TranslateNavigation::complete(const QString &requested, const QString &pageAddress)
{
    if (!requested.contains(ServiceHost, Qt::CaseInsensitive))
        return requested;
    QString value;
    value.reserve(pageAddress.size());
    for (const QChar c : pageAddress) {
        switch (c.unicode()) {
        case '%': value += QLatin1String("%25"); break;
        case '&': value += QLatin1String("%26"); break;
        case '#': value += QLatin1String("%23"); break;
        case '+': value += QLatin1String("%2B"); break;
        default: value += c;
        }
    }
    return requested + QLatin1String("&url=") + value;
}
