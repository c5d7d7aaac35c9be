#pragma once

#include "typing/TypingAid.h"

#include <QString>
#include <functional>

// Expands the word just typed into a field: Quick Links ("@"), Quick Words ("\") and Quick
// Correct, found by comparing the field's text with the text it had after the last expansion.
class WordExpander
{
public:
    using LookUp = std::function<QString(TypingAid aid, const QString &word)>;
    using IsEnabled = std::function<bool(TypingAid aid)>;

    struct Result
    {
        bool changed = false;
        QString text;
        // Characters before the caret, counted as the field's text range counts them.
        int caret = 0;
    };

    WordExpander(LookUp lookUp, IsEnabled isEnabled);

    // lastFieldText is the field's text after the last expansion step or refresh.
    Result ExpandTypedWord(const QString &text, const QString &lastFieldText) const;

private:
    bool isAidDisabled(const QString &word) const;
    QString valueOf(const QString &word) const;

    LookUp m_lookUp;
    IsEnabled m_isEnabled;
};

// With an upper-case first letter in the typed word, the replacement starts upper case too.
QString capitaliseAfter(const QString &value, const QString &typed);
