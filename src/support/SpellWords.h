#pragma once

#include "support/SpellOptions.h"

#include <QString>

// How a text is cut into the words a spell checker looks at: runs of letters and digits with
// apostrophes inside them; a leading "'" and a trailing "'s" are not part of the word (a
// trailing "'" never is). Numbers alone are no words. The options skip words in capitals,
// words with digits, HTML tags and entities, and web, mail and file addresses.
namespace SpellWords {
struct Word
{
    int start = -1;
    int length = 0;
    bool found() const { return start >= 0; }
};

// The first word that starts at or after `from`; the rest of a word that `from` falls into
// (the "'s" left after a word) is passed over.
Word next(const QString &text, int from, const SpellOptions &options);
// The word that ends right before `start` with only spaces or tabs between, or an empty view:
// what a repeated word repeats.
QStringView previous(const QString &text, int start);
}
