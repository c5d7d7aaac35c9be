#include "testkit/memorypage/MemoryEditor.h"

#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryElement.h"
#include "testkit/memorypage/MemoryInputType.h"
#include "testkit/memorypage/MemoryRichText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <utility>

namespace {
using Kind = MemorySelection::Kind;

QClipboard *clipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                          : nullptr;
}

bool allOf(const QList<MemoryTextStyle> &styles, std::optional<bool> MemoryTextStyle::*member)
{
    return !styles.isEmpty()
           && std::all_of(styles.begin(), styles.end(),
                          [member](const MemoryTextStyle &style) { return (style.*member).value_or(false); });
}
}

MemoryEditor::MemoryEditor(MemoryDocument &document) : m_document(document)
{
}

bool MemoryEditor::isSupported(const QString &command)
{
    return commandOf(command) != Command::Unknown;
}

bool MemoryEditor::isEnabled(const QString &command) const
{
    return isEnabled(commandOf(command));
}

bool MemoryEditor::state(const QString &command) const
{
    return state(commandOf(command));
}

QString MemoryEditor::value(const QString &command) const
{
    const Command which = commandOf(command);
    switch (which) {
    case Command::Bold:
    case Command::Italic:
    case Command::Underline:
    case Command::JustifyLeft:
    case Command::JustifyCenter:
    case Command::JustifyRight:
        return state(which) ? QStringLiteral("true") : QStringLiteral("false");
    case Command::FontName:
    case Command::FontSize:
    case Command::ForeColor:
    case Command::BackColor:
        break;
    default:
        return QString();
    }
    // Values describe the start of the selection.
    const QList<MemoryTextStyle> styles = selectedStyles();
    if (styles.isEmpty())
        return QString();
    const MemoryTextStyle &first = styles.first();
    if (which == Command::FontName)
        return MemoryTextStyle::fontNameText(first.fontName.value_or(QString()));
    if (which == Command::FontSize)
        return QString::number(first.fontSize.value_or(3));
    const auto colour = which == Command::ForeColor ? first.foreColor : first.backColor;
    return MemoryTextStyle::colourText(colour.value_or(QColor()));
}

bool MemoryEditor::execute(const QString &command, const QString &value)
{
    const Command which = commandOf(command);
    if (!isEnabled(which))
        return false;
    MemoryTextStyle change;
    switch (which) {
    case Command::Unknown:
        return false;
    case Command::SelectAll:
        selectAll();
        return true;
    case Command::Copy:
    case Command::Cut:
        if (QClipboard *board = clipboard())
            board->setText(selectedText());
        if (which == Command::Cut)
            removeSelection();
        return true;
    case Command::Paste:
        return paste();
    case Command::Bold:
        change.bold = !state(which);
        return applyFormat(change);
    case Command::Italic:
        change.italic = !state(which);
        return applyFormat(change);
    case Command::Underline:
        change.underline = !state(which);
        return applyFormat(change);
    case Command::FontName:
        if (value.trimmed().isEmpty())
            return false;
        change.fontName = value.trimmed();
        return applyFormat(change);
    case Command::FontSize:
        change.fontSize = MemoryTextStyle::parseFontSize(value);
        return change.fontSize && applyFormat(change);
    case Command::ForeColor:
    case Command::BackColor: {
        const QColor colour = QColor::fromString(value.trimmed());
        if (!colour.isValid())
            return false;
        (which == Command::ForeColor ? change.foreColor : change.backColor) = colour;
        return applyFormat(change);
    }
    case Command::JustifyLeft:
    case Command::JustifyCenter:
    case Command::JustifyRight: {
        static const QString names[] = {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")};
        m_document.selection().element()->setAlignment(
            names[static_cast<int>(which) - static_cast<int>(Command::JustifyLeft)]);
        return true;
    }
    case Command::RemoveFormat:
        if (m_document.selection().kind() == Kind::Editable) {
            const MemorySelection &selection = m_document.selection();
            richText().clearFormat(selection.start(), selection.end());
            selection.element()->setAlignment(QString());
        }
        return true;
    }
    return false;
}

MemoryEditor::Command MemoryEditor::commandOf(const QString &name)
{
    static const std::pair<const char *, Command> names[] = {
        {"bold", Command::Bold},
        {"italic", Command::Italic},
        {"underline", Command::Underline},
        {"justifyleft", Command::JustifyLeft},
        {"justifycenter", Command::JustifyCenter},
        {"justifyright", Command::JustifyRight},
        {"fontname", Command::FontName},
        {"fontsize", Command::FontSize},
        {"forecolor", Command::ForeColor},
        {"backcolor", Command::BackColor},
        {"removeformat", Command::RemoveFormat},
        {"selectall", Command::SelectAll},
        {"cut", Command::Cut},
        {"copy", Command::Copy},
        {"paste", Command::Paste},
    };
    for (const auto &[text, command] : names) {
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return command;
    }
    return Command::Unknown;
}

bool MemoryEditor::isEnabled(Command command) const
{
    const MemorySelection &selection = m_document.selection();
    switch (command) {
    case Command::Unknown:
        return false;
    case Command::SelectAll:
        // An empty field or region offers nothing to select.
        if (selection.kind() == Kind::Field)
            return !selection.element()->value().isEmpty();
        if (selection.kind() == Kind::Editable)
            return !richText().isBlank();
        return true;
    case Command::Copy:
        return hasRange() && !isPassword();
    case Command::Cut:
        return hasRange() && !isPassword() && isEditable();
    case Command::Paste:
        return isEditable() && clipboard();
    case Command::RemoveFormat:
        return hasRange() && isEditable();
    default:
        return selection.kind() == Kind::Editable;
    }
}

bool MemoryEditor::state(Command command) const
{
    switch (command) {
    case Command::Bold:
        return allOf(selectedStyles(), &MemoryTextStyle::bold);
    case Command::Italic:
        return allOf(selectedStyles(), &MemoryTextStyle::italic);
    case Command::Underline:
        return allOf(selectedStyles(), &MemoryTextStyle::underline);
    case Command::JustifyLeft:
        return alignment() == QLatin1String("left");
    case Command::JustifyCenter:
        return alignment() == QLatin1String("center");
    case Command::JustifyRight:
        return alignment() == QLatin1String("right");
    default:
        return false;
    }
}

bool MemoryEditor::hasRange() const
{
    const MemorySelection &selection = m_document.selection();
    switch (selection.kind()) {
    case Kind::Field:
        return selection.element()->selectionStart() < selection.element()->selectionEnd();
    case Kind::Editable:
        return !selection.isCollapsed();
    case Kind::Document:
        return !m_document.bodyInnerText().isEmpty();
    case Kind::None:
        break;
    }
    return false;
}

bool MemoryEditor::isEditable() const
{
    const MemorySelection &selection = m_document.selection();
    return selection.kind() == Kind::Editable
           || (selection.kind() == Kind::Field && selection.element()->isEditableTextField());
}

bool MemoryEditor::isPassword() const
{
    const MemorySelection &selection = m_document.selection();
    return selection.kind() == Kind::Field && selection.element()->inputType() == QLatin1String("password");
}

QString MemoryEditor::selectedText() const
{
    const MemorySelection &selection = m_document.selection();
    switch (selection.kind()) {
    case Kind::Field: {
        const auto field = selection.element();
        return field->value().mid(field->selectionStart(), field->selectionEnd() - field->selectionStart());
    }
    case Kind::Editable:
        return richText().text().mid(selection.start(), selection.end() - selection.start());
    case Kind::Document:
        return m_document.bodyInnerText();
    case Kind::None:
        break;
    }
    return QString();
}

QList<MemoryTextStyle> MemoryEditor::selectedStyles() const
{
    const MemorySelection &selection = m_document.selection();
    switch (selection.kind()) {
    case Kind::Field:
        return {MemoryTextStyle::field()};
    case Kind::Editable: {
        const MemoryRichText text = richText();
        QList<MemoryTextStyle> styles = text.stylesIn(selection.start(), selection.end());
        if (styles.isEmpty()) {
            MemoryTextStyle caret = text.styleAt(selection.start());
            caret.overlay(selection.typingStyle());
            styles.append(caret);
        }
        return styles;
    }
    case Kind::Document: {
        const MemoryRichText text = richText();
        return text.stylesIn(0, text.length());
    }
    case Kind::None:
        break;
    }
    return {};
}

QString MemoryEditor::alignment() const
{
    const MemorySelection &selection = m_document.selection();
    switch (selection.kind()) {
    case Kind::Editable:
        return selection.element()->alignment();
    case Kind::Field:
    case Kind::Document:
        return QStringLiteral("left");
    case Kind::None:
        break;
    }
    return QString();
}

MemoryRichText MemoryEditor::richText() const
{
    const MemorySelection &selection = m_document.selection();
    return MemoryRichText(selection.kind() == Kind::Editable ? selection.element() : m_document.body());
}

void MemoryEditor::selectAll()
{
    MemorySelection &selection = m_document.selection();
    if (selection.kind() == Kind::Field) {
        const auto field = selection.element();
        field->setSelectionRange(0, static_cast<int>(field->value().size()));
    } else if (selection.kind() == Kind::Editable) {
        selection.selectEditable(selection.element(), 0, richText().length());
    } else {
        selection.selectDocument();
    }
}

void MemoryEditor::removeSelection()
{
    MemorySelection &selection = m_document.selection();
    if (selection.kind() == Kind::Field) {
        const auto field = selection.element();
        field->spliceFieldValue(field->selectionStart(), field->selectionEnd(), QString());
    } else if (selection.kind() == Kind::Editable) {
        richText().remove(selection.start(), selection.end());
        selection.selectEditable(selection.element(), selection.start(), selection.start());
    }
}

bool MemoryEditor::paste()
{
    const QString text = clipboard()->text();
    MemorySelection &selection = m_document.selection();
    if (selection.kind() == Kind::Field) {
        const auto field = selection.element();
        const int start = field->selectionStart();
        const int end = field->selectionEnd();
        QString inserted = field->hasTag(QLatin1String("TEXTAREA"))
                               ? MemoryInputType::toLineFeeds(text)
                               : MemoryInputType::sanitizeTyped(field->inputType(), text);
        // Typing and pasting stop at the field's maximum length; scripts do not.
        bool limited = false;
        const int maxLength = field->attribute(QStringLiteral("maxlength")).toInt(&limited);
        if (limited && maxLength >= 0) {
            const int room = maxLength - (static_cast<int>(field->value().size()) - (end - start));
            inserted.truncate(std::max(0, room));
        }
        field->spliceFieldValue(start, end, inserted);
        return true;
    }
    const MemoryTextStyle typing = selection.typingStyle();
    const int start = selection.start();
    MemoryRichText content = richText();
    MemoryTextStyle format = content.formatBefore(start);
    content.remove(start, selection.end());
    format.overlay(typing);
    const QString inserted = MemoryInputType::toLineFeeds(text);
    content.insert(start, inserted, format);
    const int caret = start + static_cast<int>(inserted.size());
    selection.selectEditable(selection.element(), caret, caret);
    return true;
}

bool MemoryEditor::applyFormat(const MemoryTextStyle &change)
{
    MemorySelection &selection = m_document.selection();
    if (selection.isCollapsed()) {
        // At a caret the formatting waits for the text typed or pasted next.
        MemoryTextStyle typing = selection.typingStyle();
        typing.overlay(change);
        selection.setTypingStyle(typing);
    } else {
        richText().format(selection.start(), selection.end(), change);
    }
    return true;
}
