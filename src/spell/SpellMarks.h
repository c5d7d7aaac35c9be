#pragma once

#include <QString>
#include <QStringList>

// The marks list of the field being checked: one line per marked word, position "=" flag +
// word. The position is the word's offset in the field's text (a line break counting one),
// the flag "Y" for a word reported misspelled and "G" for a word put in by a replacement.
class SpellMarks
{
public:
    struct Mark
    {
        int position = 0;
        QChar flag;
        QString word;
    };

    void clear() { m_lines.clear(); }
    // Adds a mark; a mark at the same position is rewritten as this one.
    void add(int position, QChar flag, const QString &word);
    const QStringList &lines() const { return m_lines; }
    // The marks read back from the lines; malformed lines are left out.
    QList<Mark> marks() const;
    // "yellow" for a misspelling, "lightgreen" for anything else.
    static QString colourOf(QChar flag);

private:
    QStringList m_lines;
};
