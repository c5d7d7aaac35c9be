#include "support/SpellWords.h"

#include <algorithm>

namespace SpellWords {
namespace {
bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The end of a word that starts at `at`: word characters, and apostrophes between them.
int wordEnd(const QString &text, int at)
{
    int end = at;
    while (end < text.size()) {
        if (isWordChar(text.at(end)))
            ++end;
        else if (isApostrophe(text.at(end)) && end > at && end + 1 < text.size() && isWordChar(text.at(end + 1)))
            ++end;
        else
            break;
    }
    return end;
}

// A web, mail or file address: the whole run up to the next white space.
bool isAddress(QStringView chunk)
{
    if (chunk.contains(u"://") || chunk.startsWith(u"www.", Qt::CaseInsensitive) || chunk.startsWith(u"\\\\"))
        return true;
    const qsizetype at = chunk.indexOf(QLatin1Char('@'));
    if (at > 0 && at + 1 < chunk.size() && chunk.mid(at + 1).contains(QLatin1Char('.')))
        return true;
    return chunk.size() > 3 && chunk.at(0).isLetter() && chunk.at(1) == QLatin1Char(':') &&
           (chunk.at(2) == QLatin1Char('\\') || chunk.at(2) == QLatin1Char('/'));
}

// The end of an HTML tag or entity at `at`, or -1 when none starts there.
int markupEnd(const QString &text, int at)
{
    const QChar c = text.at(at);
    if (c == QLatin1Char('<') && at + 1 < text.size()) {
        const QChar after = text.at(at + 1);
        if (!after.isLetter() && after != QLatin1Char('/') && after != QLatin1Char('!'))
            return -1;
        const qsizetype close = text.indexOf(QLatin1Char('>'), at + 1);
        return close < 0 ? -1 : static_cast<int>(close) + 1;
    }
    if (c == QLatin1Char('&')) {
        int end = at + 1;
        if (end < text.size() && text.at(end) == QLatin1Char('#'))
            ++end;
        while (end < text.size() && end - at <= 32 && text.at(end).isLetterOrNumber() && text.at(end).unicode() < 128)
            ++end;
        return end > at + 1 && end < text.size() && text.at(end) == QLatin1Char(';') ? end + 1 : -1;
    }
    return -1;
}

bool isChunkStart(const QString &text, int at)
{
    return at == 0 || text.at(at - 1).isSpace();
}
}

Word next(const QString &text, int from, const SpellOptions &options)
{
    int at = std::max(0, from);
    if (at > 0 && at < text.size() && isWordChar(text.at(at - 1)))
        at = wordEnd(text, at - 1);
    while (at < text.size()) {
        if (options.ignoreInternet && isChunkStart(text, at) && !text.at(at).isSpace()) {
            int end = at;
            while (end < text.size() && !text.at(end).isSpace())
                ++end;
            if (isAddress(QStringView(text).mid(at, end - at))) {
                at = end;
                continue;
            }
        }
        if (options.ignoreHtml) {
            const int end = markupEnd(text, at);
            if (end > 0) {
                at = end;
                continue;
            }
        }
        if (!isWordChar(text.at(at))) {
            ++at;
            continue;
        }
        const int end = wordEnd(text, at);
        int length = end - at;
        // The "'s" of a possessive is not part of the word.
        if (length > 2 && isApostrophe(text.at(end - 2)) && text.at(end - 1).toLower() == QLatin1Char('s'))
            length -= 2;
        const QStringView word = QStringView(text).mid(at, length);
        bool digits = false;
        bool letters = false;
        bool lower = false;
        for (const QChar c : word) {
            digits = digits || c.isDigit();
            letters = letters || c.isLetter();
            lower = lower || c.isLower();
        }
        const bool skip = !letters || (options.ignoreNumbers && digits) ||
                          (options.ignoreUpperCase && !lower && word.size() > 1);
        if (!skip)
            return {at, length};
        at = end;
    }
    return {};
}

QStringView previous(const QString &text, int start)
{
    int end = std::min(start, static_cast<int>(text.size()));
    const int wordStartLimit = end;
    while (end > 0 && isBlank(text.at(end - 1)))
        --end;
    if (end == wordStartLimit || end == 0)
        return {};
    int begin = end;
    while (begin > 0 && (isWordChar(text.at(begin - 1)) ||
                         (isApostrophe(text.at(begin - 1)) && begin - 1 > 0 && isWordChar(text.at(begin - 2)))))
        --begin;
    return QStringView(text).mid(begin, end - begin);
}
}
