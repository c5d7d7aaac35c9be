#include "typing/NameValueLine.h"

NameValueLine NameValueLine::split(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    return {line.left(equals), line.mid(equals + 1)};
}

QStringView NameValueLine::nameOf(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QStringView() : QStringView(line).left(equals);
}
