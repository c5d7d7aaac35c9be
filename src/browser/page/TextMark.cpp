#include "browser/page/TextMark.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <vector>

bool TextMark::isColour(const QString &colour)
{
    static const QRegularExpression pattern(QStringLiteral("^(#[0-9a-fA-F]{3}|#[0-9a-fA-F]{6}|[a-zA-Z]{1,30})$"));
    return pattern.match(colour).hasMatch();
}

QList<TextMark> TextMark::shown(const QList<TextMark> &marks, int length)
{
    // The colour of each character, the last mark over it winning.
    std::vector<int> colourAt(static_cast<std::size_t>(std::max(0, length)), -1);
    QStringList colours;
    for (const TextMark &mark : marks) {
        if (!isColour(mark.colour))
            continue;
        const QString colour = mark.colour.toLower();
        qsizetype index = colours.indexOf(colour);
        if (index < 0) {
            index = colours.size();
            colours.append(colour);
        }
        for (int i = std::max(0, mark.start); i < std::min(mark.end, length); ++i)
            colourAt[static_cast<std::size_t>(i)] = static_cast<int>(index);
    }
    QList<TextMark> result;
    for (int i = 0; i < length;) {
        const int colour = colourAt[static_cast<std::size_t>(i)];
        int end = i + 1;
        while (end < length && colourAt[static_cast<std::size_t>(end)] == colour)
            ++end;
        if (colour >= 0)
            result.append({i, end, colours.at(colour)});
        i = end;
    }
    return result;
}
