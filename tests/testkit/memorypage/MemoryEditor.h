#pragma once

#include "testkit/memorypage/MemoryTextStyle.h"

#include <QList>
#include <QString>

class MemoryDocument;
class MemoryRichText;

// The editing commands of an in-memory document, answering as the engine does when the page
// may use the clipboard: they act on the document's selection (a text field's, a range in a
// contenteditable region, or the whole document). Formatting needs rich editable content;
// CUT and COPY need a selected range outside password boxes; CUT and PASTE need editable text.
class MemoryEditor
{
public:
    explicit MemoryEditor(MemoryDocument &document);

    static bool isSupported(const QString &command);
    bool isEnabled(const QString &command) const;
    bool state(const QString &command) const;
    QString value(const QString &command) const;
    bool execute(const QString &command, const QString &value);

private:
    enum class Command {
        Unknown, Bold, Italic, Underline, JustifyLeft, JustifyCenter, JustifyRight, FontName,
        FontSize, ForeColor, BackColor, RemoveFormat, SelectAll, Cut, Copy, Paste
    };

    static Command commandOf(const QString &name);
    bool isEnabled(Command command) const;
    bool state(Command command) const;
    bool hasRange() const;
    bool isEditable() const;
    bool isPassword() const;
    QString selectedText() const;
    QList<MemoryTextStyle> selectedStyles() const;
    QString alignment() const;
    MemoryRichText richText() const;

    void selectAll();
    void removeSelection();
    bool paste();
    bool applyFormat(const MemoryTextStyle &change);

    MemoryDocument &m_document;
};
