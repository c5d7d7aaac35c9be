#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One tag of an HTML text as the sponsor answer is read: its name and its attributes in order.
struct HtmlTag
{
    struct Attribute
    {
        QString name;
        QString value;
    };
    QString name;
    QList<Attribute> attributes;
};

// The first tag named `name` (compared without case) in the lines of an HTML text, or nothing.
// A "<" starts a tag and a ">" ends it; a tag may go on across lines, the line break adding
// nothing to it. The name is the text up to the first blank; attributes follow, separated by
// blanks outside double quotes, each a name before its first "=" and a value after it with one
// pair of surrounding double quotes removed. Tags after the one found are not read.
std::optional<HtmlTag> findHtmlTag(const QStringList &lines, const QString &name);

// The name and attributes of one tag's text (what stands between "<" and ">").
HtmlTag parseHtmlTag(const QString &tagText);
