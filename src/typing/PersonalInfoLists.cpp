#include "typing/PersonalInfoLists.h"

#include "typing/NameValueLine.h"

namespace {
QStringList withNames(const QStringList &lines)
{
    QStringList named;
    for (const QString &line : lines) {
        if (!NameValueLine::nameOf(line).isEmpty())
            named.append(line);
    }
    return named;
}
}

QStringList PersonalInfoLists::section(const QStringList &fileLines, const QString &header)
{
    const qsizetype start = fileLines.indexOf(header);
    if (start < 0)
        return {};
    QStringList lines;
    for (qsizetype i = start + 1; i < fileLines.size() && !fileLines.at(i).startsWith(QLatin1Char('[')); ++i)
        lines.append(fileLines.at(i));
    return lines;
}

PersonalInfoLists PersonalInfoLists::fromFileLines(const QStringList &lines)
{
    PersonalInfoLists lists;
    for (const QString &title : section(lines, NamesHeader)) {
        if (!title.isEmpty())
            lists.titles.append(title);
    }
    lists.values = withNames(section(lines, ValuesHeader));
    lists.appliesTo = withNames(section(lines, AppliesToHeader));
    return lists;
}

QStringList PersonalInfoLists::fileLines() const
{
    QStringList lines;
    lines.reserve(titles.size() + values.size() + appliesTo.size() + 3);
    lines << NamesHeader << titles << ValuesHeader << values << AppliesToHeader << appliesTo;
    return lines;
}

QString PersonalInfoLists::titleOfAppliesTo(const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const qsizetype separator = line.lastIndexOf(TitleSeparator);
    if (equals < 0 || separator < equals)
        return QString();
    return line.mid(separator + TitleSeparator.size());
}

QString PersonalInfoLists::appliesToLine(const QString &fieldName, const QString &value, const QString &title)
{
    return fieldName + QLatin1Char('=') + value + TitleSeparator + title;
}
