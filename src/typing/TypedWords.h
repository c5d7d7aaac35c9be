#pragma once

#include <QString>

// Word positions in typed text. Positions count characters from 1; -1 means "none". Words are
// split at space, CR and LF only, so punctuation belongs to the word.
struct WordAt
{
    int start = -1;
    QString word;
};

struct ChangedWord
{
    int start = -1;
    QString word;
    // Line breaks (CR LF pairs) of the new text up to the change: the classic text range counts
    // each such pair as one character, so a caret placed by range moves corrects for them.
    int lineFeeds = 0;
};

// The last word of the text, ignoring trailing white space.
WordAt LastWordOf(const QString &text);
// The word the user just typed, found by comparing the field's old and new text.
ChangedWord ChangedWordOf(const QString &oldText, const QString &newText);
