#include "typing/WordExpander.h"

#include "typing/TypedWords.h"

WordExpander::WordExpander(LookUp lookUp, IsEnabled isEnabled)
    : m_lookUp(std::move(lookUp)), m_isEnabled(std::move(isEnabled))
{
}

QString capitaliseAfter(const QString &value, const QString &typed)
{
    if (typed.isEmpty() || value.isEmpty())
        return value;
    const char16_t first = typed.at(0).unicode();
    if (first < u'A' || first > u'Z')
        return value;
    QString result = value;
    const char16_t head = result.at(0).unicode();
    if (head >= u'a' && head <= u'z')
        result[0] = QChar(head - u'a' + u'A');
    return result;
}

bool WordExpander::isAidDisabled(const QString &word) const
{
    return !m_isEnabled(aidOfWord(word));
}

QString WordExpander::valueOf(const QString &word) const
{
    return word.isEmpty() ? QString() : m_lookUp(aidOfWord(word), word);
}

WordExpander::Result WordExpander::ExpandTypedWord(const QString &input, const QString &lastFieldText) const
{
    Result r{true, input, 0};
    if (input.isEmpty())
        return {false, input, 0};

    QString &text = r.text;
    r.caret = static_cast<int>(text.size());
    const WordAt last = LastWordOf(text);
    const QString previousWord = LastWordOf(lastFieldText).word;
    const ChangedWord typed = ChangedWordOf(lastFieldText, text);
    const int p = last.start;
    const QString &w = last.word;
    const int a = typed.start;
    const QString &c = typed.word;

    if (a <= 0)
        return r;

    const auto unchanged = [&] {
        r.changed = false;
        return r;
    };

    if (w == previousWord) {
        // The word typed lies inside the text.
        if (c.isEmpty()) {
            r.caret = a;
            return unchanged();
        }
        if (isAidDisabled(c))
            return unchanged();
        const QString value = valueOf(c);
        if (value.isEmpty())
            return unchanged();
        const QString v = capitaliseAfter(value, c);
        text.replace(a - 1, c.size(), v);
        r.caret = a + static_cast<int>(v.size()) - typed.lineFeeds;
        return r;
    }

    if (a == p) {
        // A word typed at the end.
        if (isAidDisabled(w))
            return unchanged();
        const QString value = valueOf(w);
        if (value.isEmpty())
            return unchanged();
        const QString v = capitaliseAfter(value, w);
        if (p > 1)
            text.replace(p - 1, w.size(), v);
        else
            text = v + QLatin1Char(' ');
        r.caret = static_cast<int>(text.size());
        return r;
    }

    // The remembered text is out of step, for instance after moving to another field.
    if (!w.isEmpty()) {
        if (isAidDisabled(w))
            return unchanged();
        const QString value = valueOf(w);
        if (!value.isEmpty())
            text = text.left(p - 1) + capitaliseAfter(value, w) + QLatin1Char(' ');
    }
    if (c.isEmpty()) {
        r.caret = a;
        return r;
    }
    if (isAidDisabled(c))
        return unchanged();
    const QString value = valueOf(c);
    if (!value.isEmpty()) {
        const QString v = capitaliseAfter(value, c);
        r.caret = a + static_cast<int>(v.size());
        text.replace(a - 1, c.size(), v);
    }
    return r;
}
