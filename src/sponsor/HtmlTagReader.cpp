#include "sponsor/HtmlTagReader.h"

namespace {
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The words of a tag's text, split at blanks that are not inside double quotes.
QStringList splitOutsideQuotes(const QString &text)
{
    QStringList words;
    QString word;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        if (isBlank(c) && !quoted) {
            if (!word.isEmpty())
                words.append(word);
            word.clear();
            continue;
        }
        word.append(c);
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.mid(1, value.size() - 2);
    return value;
}
}

HtmlTag parseHtmlTag(const QString &tagText)
{
    // A self-closing tag's final "/" belongs to no attribute.
    QString text = tagText.trimmed();
    if (text.endsWith(u'/'))
        text.chop(1);
    QStringList words = splitOutsideQuotes(text);
    HtmlTag tag;
    if (words.isEmpty())
        return tag;
    tag.name = words.takeFirst();
    for (const QString &word : std::as_const(words)) {
        const qsizetype equals = word.indexOf(u'=');
        if (equals < 0)
            tag.attributes.append({word, QString()});
        else
            tag.attributes.append({word.left(equals), unquoted(word.mid(equals + 1))});
    }
    return tag;
}

std::optional<HtmlTag> findHtmlTag(const QStringList &lines, const QString &name)
{
    QString tagText;
    bool inTag = false;
    for (const QString &line : lines) {
        for (const QChar c : line) {
            if (!inTag) {
                if (c == u'<') {
                    inTag = true;
                    tagText.clear();
                }
                continue;
            }
            if (c != u'>') {
                tagText.append(c);
                continue;
            }
            inTag = false;
            HtmlTag tag = parseHtmlTag(tagText);
            if (tag.name.compare(name, Qt::CaseInsensitive) == 0)
                return tag;
        }
    }
    return std::nullopt;
}
