#pragma once

#include <Qt>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

// The clipboard keys of the window's editable boxes (address bar, search boxes): with exactly
// Ctrl held, Ctrl+V replaces the selection with the clipboard text if there is text, Ctrl+C
// copies a non-empty selection and Ctrl+X copies and deletes it.
namespace EditClipboardKeys {
bool isClipboardKey(int key, Qt::KeyboardModifiers modifiers);
// Takes a clipboard key's shortcut override for the box, so no window command with the same key
// runs instead; true when the event was one.
bool claimShortcut(QEvent *event);
// Applies the key's rule to the box's line edit.
void apply(QLineEdit *edit, int key);
// True when the key's character is to be discarded: Enter, or a character with Ctrl held that
// the box (its line edit) does not keep for editing (Ctrl+A, Ctrl+Z ...).
bool discardsCharacter(const QKeyEvent &event, QWidget *box);
}
