#include "testkit/memorypage/MemoryInputType.h"

#include <QStringList>

namespace MemoryInputType {
namespace {
QString withoutLineBreaks(const QString &value)
{
    QString result = value;
    result.remove(QLatin1Char('\r'));
    result.remove(QLatin1Char('\n'));
    return result;
}

QString trimmedAscii(const QString &value)
{
    qsizetype start = 0;
    qsizetype end = value.size();
    auto isSpace = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r'; };
    while (start < end && isSpace(value.at(start)))
        ++start;
    while (end > start && isSpace(value.at(end - 1)))
        --end;
    return value.mid(start, end - start);
}

bool isValidNumber(const QString &value)
{
    if (value.isEmpty() || value.at(0).isSpace() || value.back().isSpace() || value.startsWith(u'+'))
        return false;
    bool ok = false;
    value.toDouble(&ok);
    return ok;
}
}

QString effective(const QString &typeAttribute)
{
    static const QStringList known = {
        QStringLiteral("text"), QStringLiteral("password"), QStringLiteral("submit"),
        QStringLiteral("reset"), QStringLiteral("image"), QStringLiteral("button"),
        QStringLiteral("file"), QStringLiteral("checkbox"), QStringLiteral("radio"),
        QStringLiteral("hidden"), QStringLiteral("search"), QStringLiteral("email"),
        QStringLiteral("url"), QStringLiteral("tel"), QStringLiteral("number"),
        QStringLiteral("range"), QStringLiteral("color"), QStringLiteral("date"),
        QStringLiteral("datetime-local"), QStringLiteral("month"), QStringLiteral("time"),
        QStringLiteral("week")};
    const QString type = typeAttribute.trimmed().toLower();
    return known.contains(type) ? type : QStringLiteral("text");
}

ValueMode valueMode(const QString &type)
{
    if (type == QLatin1String("checkbox") || type == QLatin1String("radio"))
        return ValueMode::DefaultOn;
    if (type == QLatin1String("file"))
        return ValueMode::FileName;
    static const QStringList defaults = {QStringLiteral("hidden"), QStringLiteral("submit"),
                                         QStringLiteral("reset"), QStringLiteral("image"),
                                         QStringLiteral("button")};
    return defaults.contains(type) ? ValueMode::Default : ValueMode::Value;
}

QString sanitize(const QString &type, const QString &value)
{
    if (valueMode(type) != ValueMode::Value)
        return value;
    if (type == QLatin1String("url") || type == QLatin1String("email"))
        return trimmedAscii(withoutLineBreaks(value));
    if (type == QLatin1String("number"))
        return isValidNumber(value) ? value : QString();
    return withoutLineBreaks(value);
}

QString toLineFeeds(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString sanitizeTyped(const QString &type, const QString &text)
{
    QString result = toLineFeeds(text);
    result.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return sanitize(type, result);
}

}
