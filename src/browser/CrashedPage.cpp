#include "browser/CrashedPage.h"

#include <QFile>

namespace {
QString templateText()
{
    QFile file(QStringLiteral(":/pages/crashed.html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
}

QString CrashedPage::html() const
{
    const QString address = m_address.toString();
    const QString scheme = m_address.scheme().toLower();
    const bool reloadable = m_address.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    const QString reload = reloadable ? QStringLiteral("<a class=\"reload\" href=\"") + address.toHtmlEscaped()
                                            + QStringLiteral("\">Reload</a>")
                                      : QString();
    // One pass over the page: the address, which the page chose, cannot reach a placeholder.
    return templateText().arg(address.toHtmlEscaped(), reload);
}
