#include "favorites/KestrelGroupFile.h"

#include <QCollator>
#include <algorithm>

namespace {
const QChar Tab = QLatin1Char('\t');

bool isBlankOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}
}

namespace KestrelGroupFile {

bool sameName(const QString &a, const QString &b)
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return a.compare(b, Qt::CaseInsensitive) == 0 || collator.compare(a, b) == 0;
}

QString siteAddress(const QString &line)
{
    qsizetype start = 0;
    qsizetype end = line.size();
    while (start < end && isBlankOrControl(line.at(start)))
        ++start;
    while (end > start && isBlankOrControl(line.at(end - 1)))
        --end;
    return line.mid(start, end - start);
}

QStringList groupNames(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines) {
        if (!line.isEmpty() && !line.startsWith(Tab))
            names.append(line);
    }
    return names;
}

std::optional<QStringList> sitesOf(const QStringList &lines, const QString &name)
{
    if (name.isEmpty())
        return std::nullopt;
    const auto group = std::find_if(lines.cbegin(), lines.cend(), [&name](const QString &line) {
        return sameName(line, name);
    });
    if (group == lines.cend())
        return std::nullopt;
    QStringList sites;
    for (auto line = group + 1; line != lines.cend() && line->startsWith(Tab); ++line)
        sites.append(siteAddress(*line));
    return sites;
}

bool isTaken(const QStringList &lines, const QString &name)
{
    return std::any_of(lines.cbegin(), lines.cend(), [&name](const QString &line) { return sameName(line, name); });
}

}
