#pragma once

#include <Qt>

class QKeyEvent;
class QLineEdit;

// The clipboard keys of the window's editable boxes (address bar, search boxes): with exactly
// Ctrl held, Ctrl+V replaces the selection with the clipboard text if there is text, Ctrl+C
// copies a non-empty selection and Ctrl+X copies and deletes it.
namespace EditClipboardKeys {
bool isClipboardKey(int key, Qt::KeyboardModifiers modifiers);
// Applies the key's rule to the box's line edit.
void apply(QLineEdit *edit, int key);
// True when the key's character is to be discarded: Enter, or any character with Ctrl held.
bool discardsCharacter(const QKeyEvent &event);
}
