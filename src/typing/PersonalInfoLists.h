#pragma once

#include <QString>
#include <QStringList>

// The three sections of "pdata.dat": the entry titles in list order, the "[VALUES]" lines
// (title=value) and the "[APPLIES TO]" lines (field name=value{~}title). A section runs from
// its header line to the next line that begins with "[", or to the end of the file.
struct PersonalInfoLists
{
    static inline const QString NamesHeader = QStringLiteral("[NAMES]");
    static inline const QString ValuesHeader = QStringLiteral("[VALUES]");
    static inline const QString AppliesToHeader = QStringLiteral("[APPLIES TO]");
    static inline const QString TitleSeparator = QStringLiteral("{~}");

    QStringList titles;
    QStringList values;
    QStringList appliesTo;

    // Empty title lines and value and applies-to lines with an empty name are dropped; a
    // missing section reads as empty.
    static PersonalInfoLists fromFileLines(const QStringList &lines);
    QStringList fileLines() const;

    // The lines of one section of a file, header excluded.
    static QStringList section(const QStringList &fileLines, const QString &header);
    // The title part of an applies-to line: the text after the last "{~}" of its value, empty
    // without one. Titles never hold "{~}", so a value that does still finds its title.
    static QString titleOfAppliesTo(const QString &line);
    static QString appliesToLine(const QString &fieldName, const QString &value, const QString &title);
};
