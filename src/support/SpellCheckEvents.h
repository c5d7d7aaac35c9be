#pragma once

#include <QString>

// What a running check tells its caller. Positions are 1-based offsets into the text as it
// was handed over (a CR LF line break counts as two characters).
class SpellCheckEvents
{
public:
    virtual ~SpellCheckEvents() = default;
    // A word the user is asked about.
    virtual void misspelling(const QString &word, int length, int start) = 0;
    // After each change the user makes: the new word and the whole text as corrected so far.
    virtual void replacement(const QString &word, int length, int start, const QString &text) = 0;
    // The user chose to have the word corrected automatically from now on.
    virtual void autoCorrect(const QString &word, const QString &replacement) = 0;
    // The check dialog lost the activation.
    virtual void deactivated() = 0;
};
