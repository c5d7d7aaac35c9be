#include "typing/TextBoxCompletion.h"

namespace {
char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c;
}

bool startsWithAsciiCaseless(const QString &entry, const QString &typed)
{
    if (entry.size() < typed.size())
        return false;
    for (qsizetype i = 0; i < typed.size(); ++i)
        if (asciiLower(entry.at(i).unicode()) != asciiLower(typed.at(i).unicode()))
            return false;
    return true;
}
}

std::optional<QString> completeTypedText(const QString &typed, const QStringList &entries, bool keepTypedCase)
{
    if (typed.isEmpty())
        return std::nullopt;
    for (const QString &entry : entries) {
        if (startsWithAsciiCaseless(entry, typed))
            return keepTypedCase ? typed + entry.mid(typed.size()) : entry;
    }
    return std::nullopt;
}
