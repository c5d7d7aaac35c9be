#pragma once

#include <QString>
#include <memory>

class PageElement;

// A text range inside one text box or text area, in the manner of the classic document model:
// two character offsets into the field's value that move, collapse, read and replace text, and
// select themselves (which places the caret). Only the "character" unit is known; other units
// move nothing, and a CR LF pair moves as one character. Offsets are kept inside the field's
// current value on every use.
class PageTextRange
{
public:
    // A range without a field reads empty and fails every change.
    PageTextRange(std::shared_ptr<PageElement> field, int start, int end);

    std::shared_ptr<PageTextRange> duplicate() const;
    int start() const { return m_start; }
    int end() const { return m_end; }

    QString text() const;
    // Replaces the range's text; the range then collapses after the new text.
    bool setText(const QString &text);

    // Collapses to the start, then moves by count units; returns the units moved.
    int move(const QString &unit, int count);
    // Moves one end by count units; the other end follows when they would cross.
    int moveStart(const QString &unit, int count);
    int moveEnd(const QString &unit, int count);
    void collapse(bool toStart = true);

    bool select();
    // Brings the range's text into sight inside its field.
    bool scrollIntoView();

    // Formatting of the range's characters: "BackColor" with a colour marks them, and
    // "RemoveFormat" takes the marks off them (TextMark). Both are enabled on a text field.
    bool queryCommandEnabled(const QString &command) const;
    bool execCommand(const QString &command, const QString &value = QString());

private:
    int fieldLength() const;
    // Brings offsets left beyond a value that has since become shorter back inside it.
    void keepInsideValue();
    struct Step
    {
        int offset;
        int units;
    };
    static Step movedOffset(int offset, int count, const QString &value);

    std::shared_ptr<PageElement> m_field;
    int m_start;
    int m_end;
};
