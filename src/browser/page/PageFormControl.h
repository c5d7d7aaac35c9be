#pragma once

#include <QString>
#include <memory>

class PageElement;

// One control of a form as it stood when the whole form was read in one step: enough to save
// it, to fill it and to find it again for writing.
struct PageFormControl
{
    std::shared_ptr<PageElement> element;
    // Upper-case tag name ("INPUT", "SELECT", "TEXTAREA", "BUTTON" ...).
    QString tagName;
    // INPUT: the upper-case effective type ("TEXT" for a box without the attribute); empty for
    // other elements.
    QString type;
    QString name;
    // The value as the page reports it (a file input: the chosen file's name).
    QString value;
    // The "VCARD_NAME" attribute; empty when absent.
    QString vcardName;
    bool checked = false;
    // Selects: -1 when no option is selected.
    int selectedIndex = -1;
    // Whether the user can see it: rendered, not hidden by style, of a visible size, not
    // placed outside the page or clipped away by a box around it. Hidden inputs never are.
    bool visible = false;

    bool isInput() const { return tagName == QLatin1String("INPUT"); }
    bool isTextArea() const { return tagName == QLatin1String("TEXTAREA"); }
    bool isSelect() const { return tagName == QLatin1String("SELECT"); }
    bool isInputOfType(QLatin1String wanted) const { return isInput() && type == wanted; }
    // An INPUT one types a line of text into: "TEXT" and "PASSWORD", and the newer kinds that
    // older engines reported as "TEXT" (e-mail, telephone, address, search, number).
    bool isTextBox() const;
    // A text box or a text area.
    bool isTextField() const { return isTextBox() || isTextArea(); }
};
