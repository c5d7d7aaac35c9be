#include "typing/TypedWords.h"

namespace {
bool isWordBreak(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isPrintableAscii(QChar c)
{
    return c.unicode() > 32 && c.unicode() < 127;
}

// Trims characters up to code 32 at both ends, as the classic Trim does.
QString trimControl(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QString trimControlLeft(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first).unicode() <= 32)
        ++first;
    return text.mid(first);
}
}

WordAt LastWordOf(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= 32)
        --end;
    if (end == 0)
        return {};
    qsizetype begin = end;
    while (begin > 0 && !isWordBreak(text.at(begin - 1)))
        --begin;
    return {static_cast<int>(begin) + 1, text.mid(begin, end - begin)};
}

ChangedWord ChangedWordOf(const QString &oldText, const QString &newText)
{
    if (oldText == newText)
        return {};

    if (newText.startsWith(oldText)) {
        qsizetype start = 0;
        if (!oldText.isEmpty()) {
            start = oldText.size();
            while (start < newText.size() && isWordBreak(newText.at(start)))
                ++start;
        }
        return {static_cast<int>(start) + 1, trimControl(newText.mid(start)), 0};
    }

    const qsizetype common = std::min(oldText.size(), newText.size());
    qsizetype i = 0;
    while (i < common && oldText.at(i) == newText.at(i))
        ++i;
    if (i == common)
        return {};  // the new text is a prefix of the old one: only deleted at the end

    ChangedWord result;
    for (qsizetype k = 1; k <= i; ++k)
        if (newText.at(k) == QLatin1Char('\n') && newText.at(k - 1) == QLatin1Char('\r'))
            ++result.lineFeeds;
    if (!isPrintableAscii(newText.at(i))) {
        result.start = static_cast<int>(i) + 1;
        return result;
    }
    qsizetype start = i;
    while (start > 0 && !isWordBreak(newText.at(start - 1)))
        --start;
    result.start = static_cast<int>(start) + 1;
    const QString rest = trimControlLeft(newText.mid(start));
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    result.word = space >= 0 ? rest.left(space) : trimControl(rest);
    return result;
}
