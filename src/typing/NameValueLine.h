#pragma once

#include <QString>

// A name=value line of a typing-aid file. The line splits at its first "=": the name is the
// text before it, the value everything after it (further "=" belong to the value). A line
// without "=" has an empty name and value; lines with an empty name are ignored by readers.
struct NameValueLine
{
    QString name;
    QString value;

    static NameValueLine split(const QString &line);
    // The name alone, without copying the value.
    static QStringView nameOf(const QString &line);
};
