#include "testkit/memorypage/MemoryTextStyle.h"

#include <QRegularExpression>
#include <algorithm>

void MemoryTextStyle::overlay(const MemoryTextStyle &over)
{
    if (over.bold)
        bold = over.bold;
    if (over.italic)
        italic = over.italic;
    if (over.underline)
        underline = over.underline;
    if (over.fontName)
        fontName = over.fontName;
    if (over.fontSize)
        fontSize = over.fontSize;
    if (over.foreColor)
        foreColor = over.foreColor;
    if (over.backColor)
        backColor = over.backColor;
}

MemoryTextStyle MemoryTextStyle::plain()
{
    MemoryTextStyle style;
    style.bold = false;
    style.italic = false;
    style.underline = false;
    style.fontName = QStringLiteral("DejaVu Serif");
    style.fontSize = 3;
    style.foreColor = QColor(0, 0, 0);
    style.backColor = QColor(0, 0, 0, 0);
    return style;
}

MemoryTextStyle MemoryTextStyle::field()
{
    MemoryTextStyle style = plain();
    style.fontName = QStringLiteral("Arial");
    style.fontSize = 2;
    style.backColor = QColor(255, 255, 255);
    return style;
}

QString MemoryTextStyle::colourText(const QColor &colour)
{
    if (colour.alpha() == 0)
        return QStringLiteral("rgba(0, 0, 0, 0)");
    return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString MemoryTextStyle::fontNameText(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^-?[A-Za-z_][A-Za-z0-9_-]*$"));
    if (identifier.match(name).hasMatch())
        return name;
    return QLatin1Char('"') + name + QLatin1Char('"');
}

std::optional<int> MemoryTextStyle::parseFontSize(const QString &text)
{
    const QString size = text.trimmed();
    bool ok = false;
    const int number = size.toInt(&ok);
    if (!ok)
        return std::nullopt;
    const bool relative = size.startsWith(u'+') || size.startsWith(u'-');
    return std::clamp(relative ? 3 + number : number, 1, 7);
}
