#pragma once

#include "browser/page/TextMark.h"

#include <QList>
#include <QString>
#include <memory>

class PageForm;
class PageTextRange;
class PageWindow;

// One element of a page document. Members that do not apply to the element's kind (the value
// of a DIV, the window of an INPUT) fail softly: reads give an empty value (-1 for offsets and
// indexes), writes return false and object reads return null, so callers skip what is not of
// the kind they need.
class PageElement : public std::enable_shared_from_this<PageElement>
{
public:
    virtual ~PageElement() = default;

    // Upper-case tag name ("INPUT", "TEXTAREA", "IFRAME", ...).
    virtual QString tagName() const = 0;
    // Attribute by name, compared without regard to case; empty when absent. For "TYPE" of an
    // INPUT the effective type is given ("text" for a box without the attribute).
    virtual QString getAttribute(const QString &name) const = 0;
    virtual bool isSameNode(const PageElement &other) const = 0;

    // Text boxes, text areas, file inputs, buttons, selects and option buttons. A file input
    // takes only an empty value (a page never chooses a file for the user).
    virtual QString name() const = 0;
    virtual QString value() const = 0;
    virtual bool setValue(const QString &value) = 0;
    virtual std::shared_ptr<PageForm> form() const = 0;

    // Text boxes and text areas: the selection, in characters of value() (a text area's line
    // breaks are single line feeds). Each field keeps its own selection; a new value puts the
    // caret at its end. Offsets outside the value are brought inside it; an end before the
    // start collapses the selection at the end.
    virtual int selectionStart() const = 0;
    virtual int selectionEnd() const = 0;
    virtual bool setSelectionRange(int start, int end) = 0;
    // Replaces the characters [start, end) of the value, leaving the caret after the new text;
    // false, changing nothing, when start lies after end.
    virtual bool replaceRange(int start, int end, const QString &text) = 0;
    // A range over the whole value of a text box or text area.
    std::shared_ptr<PageTextRange> createTextRange();
    // Text boxes and text areas: the marks shown over the value, as TextMark::shown gives
    // them. Setting replaces them all; a new value, by the program or the user, removes them.
    // False, changing nothing, for other elements or a mark with a colour that is no colour.
    virtual QList<TextMark> textMarks() const = 0;
    virtual bool setTextMarks(const QList<TextMark> &marks) = 0;
    // Scrolls the field so that characters [start, end) of its value are in sight, and the
    // field into the page's view.
    virtual bool scrollTextIntoView(int start, int end) = 0;

    // Selects: -1 when no option is selected; an index outside the options selects none.
    virtual int selectedIndex() const = 0;
    virtual bool setSelectedIndex(int index) = 0;

    // Check boxes and radio buttons. Checking a radio button clears the others of its group
    // (same name, same form).
    virtual bool checked() const = 0;
    virtual bool setChecked(bool checked) = 0;

    // FRAME and IFRAME: the window shown in the frame.
    virtual std::shared_ptr<PageWindow> contentWindow() const = 0;

    // False, changing nothing, for an element that cannot take the focus.
    virtual bool focus() = 0;
    virtual bool scrollIntoView() = 0;

    // Text box or text area (INPUT of a text-like type, or TEXTAREA).
    bool isTextField() const;
};
