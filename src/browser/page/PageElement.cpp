#include "browser/page/PageElement.h"

#include "browser/page/PageTextRange.h"

#include <QStringList>

std::shared_ptr<PageTextRange> PageElement::createTextRange()
{
    if (!isTextField())
        return nullptr;
    return std::make_shared<PageTextRange>(shared_from_this(), 0, static_cast<int>(value().size()));
}

bool PageElement::isTextField() const
{
    const QString tag = tagName();
    if (tag == QLatin1String("TEXTAREA"))
        return true;
    if (tag != QLatin1String("INPUT"))
        return false;
    static const QStringList textTypes = {QStringLiteral("TEXT"), QStringLiteral("PASSWORD"),
                                          QStringLiteral("SEARCH"), QStringLiteral("URL"),
                                          QStringLiteral("TEL")};
    return textTypes.contains(getAttribute(QStringLiteral("type")).toUpper());
}
