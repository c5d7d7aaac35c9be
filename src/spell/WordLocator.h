#pragma once

#include <QString>
#include <optional>

// Finds a word reported at an expected offset of a field's text when the text there differs
// (the field changed since, or the report counted line breaks otherwise): the range
// [expected, expected + length) widens by 1, 2, 3 ... characters on each side until it holds
// the word, and the word's first place in it is taken. The widening stops at the whole text:
// a word the field does not hold at all is not found.
std::optional<int> locateWord(const QString &text, int expected, int length, const QString &word);
