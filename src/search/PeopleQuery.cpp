#include "search/PeopleQuery.h"

namespace {
void replaceFirst(QString &text, QLatin1StringView placeholder, const QString &value)
{
    const qsizetype at = text.indexOf(placeholder, 0, Qt::CaseInsensitive);
    if (at >= 0)
        text.replace(at, placeholder.size(), value);
}
}

QString fillPeoplePlaceholders(const QString &address, const QString &firstName, const QString &lastName,
                               const QString &stateName, const QString &stateCode)
{
    QString result = address;
    replaceFirst(result, QLatin1StringView("<FIRSTNAME>"), firstName);
    replaceFirst(result, QLatin1StringView("<LASTNAME>"), lastName);
    replaceFirst(result, QLatin1StringView("<STATE>"), stateName);
    replaceFirst(result, QLatin1StringView("<ST>"), stateCode);
    return result;
}
