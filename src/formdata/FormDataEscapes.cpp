#include "formdata/FormDataEscapes.h"

namespace FormDataEscapes {
namespace {
QString withoutLineBreaks(const QString &text)
{
    QString single = text;
    single.remove(QLatin1Char('\r'));
    single.remove(QLatin1Char('\n'));
    return single;
}
}

QString escape(const QString &text)
{
    return withoutLineBreaks(text).replace(QLatin1Char('='), EqualsEscape);
}

QString unescape(const QString &text)
{
    QString plain = text;
    return plain.replace(EqualsEscape, QStringLiteral("="));
}

QString escapeTextArea(const QString &text)
{
    QString lines = text;
    lines.remove(QLatin1Char('\r'));
    lines.replace(QLatin1Char('\n'), LineBreakEscape);
    return lines.replace(QLatin1Char('='), EqualsEscape);
}

QString unescapeTextArea(const QString &text)
{
    return unescape(text).replace(LineBreakEscape, QStringLiteral("\r\n"));
}

QString fileValue(const QString &path)
{
    return withoutLineBreaks(path);
}
}
