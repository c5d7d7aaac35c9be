#pragma once

#include <QString>

// The in-page aid a typed word belongs to, chosen by its first character.
enum class TypingAid { QuickLinks, QuickWords, QuickCorrect };

inline TypingAid aidOfWord(const QString &word)
{
    if (word.startsWith(QLatin1Char('@')))
        return TypingAid::QuickLinks;
    if (word.startsWith(QLatin1Char('\\')))
        return TypingAid::QuickWords;
    return TypingAid::QuickCorrect;
}
