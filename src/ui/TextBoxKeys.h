#pragma once

class QKeyEvent;
class QWidget;

// The program's own text boxes (line edits, text editors, spin boxes, editable combo boxes)
// and the keys they keep for editing. A text box keeps a key when it accepts the key's
// shortcut override, as Qt's editors do for their editing keys (select all, word moves, undo,
// the clipboard) and as a box of ours does for a key it handles itself (Esc in the find bar).
class TextBoxKeys
{
public:
    static bool isTextBox(const QWidget *widget);
    // True when the widget is one of the program's text boxes and keeps the key pressed in it.
    static bool keeps(QWidget *widget, const QKeyEvent &event);
};
