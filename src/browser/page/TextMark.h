#pragma once

#include <QList>
#include <QString>

// A background colour over characters [start, end) of a text box's or text area's value, drawn
// by the program over the field: the page's own text and formatting are not touched. The
// colour is a colour name ("yellow") or "#rgb"/"#rrggbb", kept in lower case.
struct TextMark
{
    int start = 0;
    int end = 0;
    QString colour;

    bool operator==(const TextMark &) const = default;

    static bool isColour(const QString &colour);
    // The marks as they show over a value of the given length: a later mark covers an earlier
    // one where they overlap; cut to the value; empty and uncoloured marks dropped; in order,
    // with touching marks of one colour joined.
    static QList<TextMark> shown(const QList<TextMark> &marks, int length);
};
