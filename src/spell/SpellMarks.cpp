#include "spell/SpellMarks.h"

void SpellMarks::add(int position, QChar flag, const QString &word)
{
    const QString line = QString::number(position) + QLatin1Char('=') + flag + word;
    const QString prefix = QString::number(position) + QLatin1Char('=');
    for (QString &existing : m_lines) {
        if (existing.startsWith(prefix)) {
            existing = line;
            return;
        }
    }
    m_lines.append(line);
}

QList<SpellMarks::Mark> SpellMarks::marks() const
{
    QList<Mark> result;
    for (const QString &line : m_lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        bool number = false;
        const int position = line.left(equals).toInt(&number);
        if (equals < 0 || !number || equals + 1 >= line.size())
            continue;
        result.append({position, line.at(equals + 1), line.mid(equals + 2)});
    }
    return result;
}

QString SpellMarks::colourOf(QChar flag)
{
    return flag == QLatin1Char('Y') ? QStringLiteral("yellow") : QStringLiteral("lightgreen");
}
