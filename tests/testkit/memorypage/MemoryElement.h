#pragma once

#include "browser/page/PageElement.h"
#include "testkit/memorypage/MemoryNode.h"

#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <vector>

class MemoryDocument;

// An element of an in-memory page, behaving for the page tools as the engine's DOM does.
class MemoryElement final : public PageElement, public MemoryNode
{
public:
    explicit MemoryElement(const QString &tag);

    QString tagName() const override;
    QString getAttribute(const QString &name) const override;
    bool isSameNode(const PageElement &other) const override;
    QString name() const override;
    QString value() const override;
    bool setValue(const QString &value) override;
    std::shared_ptr<PageForm> form() const override;
    int selectionStart() const override;
    int selectionEnd() const override;
    bool setSelectionRange(int start, int end) override;
    bool replaceRange(int start, int end, const QString &text) override;
    QList<TextMark> textMarks() const override;
    bool setTextMarks(const QList<TextMark> &marks) override;
    bool scrollTextIntoView(int start, int end) override;
    int selectedIndex() const override;
    bool setSelectedIndex(int index) override;
    bool checked() const override;
    bool setChecked(bool checked) override;
    std::shared_ptr<PageWindow> contentWindow() const override;
    bool focus() override;
    bool scrollIntoView() override;

    // Tree.
    std::shared_ptr<MemoryElement> self();
    bool hasTag(QLatin1String tag) const { return m_tag == tag; }
    // Attribute names are kept lower-case, as an HTML document keeps them.
    QString attribute(const QString &name) const;
    bool hasAttribute(const QString &name) const;
    void setAttribute(const QString &name, const QString &value);
    const std::vector<std::shared_ptr<MemoryNode>> &children() const { return m_children; }
    void appendChild(const std::shared_ptr<MemoryNode> &child);
    void insertChild(std::size_t index, const std::shared_ptr<MemoryNode> &child);
    void removeChild(const MemoryNode &child);
    std::size_t indexOf(const MemoryNode &child) const;
    QString textContent() const;
    std::shared_ptr<MemoryDocument> document() const { return m_document.lock(); }
    // Places this element and everything below it in `document`.
    void setDocument(const std::shared_ptr<MemoryDocument> &document);

    // Kinds and states.
    // The lower-case effective type of an INPUT; empty for other elements.
    QString inputType() const;
    bool isDisabled() const;
    bool isReadOnly() const;
    // A text field the user can change (not read-only, not disabled).
    bool isEditableTextField() const;
    // The top element of a contenteditable region.
    bool isEditableHost() const;
    bool isFocusable() const;
    // An element that HTMLFormElement.elements lists.
    bool isListedControl() const;
    std::shared_ptr<MemoryElement> formOwner() const;

    // Text fields: the value is replaced as given, without the clean-up of setValue().
    void spliceFieldValue(int start, int end, const QString &text);
    // Gives text fields and text areas the value of their markup.
    void resetFieldValue();
    // File inputs: the file the user chose.
    void chooseFile(const QString &path);

    // Selects: their OPTION elements in order.
    std::vector<std::shared_ptr<MemoryElement>> options() const;
    bool isOptionSelected() const { return m_optionSelected; }
    void setOptionSelected(bool selected) { m_optionSelected = selected; }
    // Gives a select the selection of its markup.
    void resetSelectedOptions();

    // FRAME and IFRAME.
    std::shared_ptr<MemoryDocument> contentDocument() const { return m_contentDocument; }
    void setContentDocument(const std::shared_ptr<MemoryDocument> &document);

    // Editable hosts: the justification set by the editing commands ("left", "center", "right").
    QString alignment() const;
    void setAlignment(const QString &alignment) { m_alignment = alignment; }

private:
    bool isTextArea() const { return hasTag(QLatin1String("TEXTAREA")); }
    bool isInput() const { return hasTag(QLatin1String("INPUT")); }
    int fieldLength() const { return static_cast<int>(m_value.size()); }
    void uncheckOtherRadios();

    QString m_tag;
    QList<QPair<QString, QString>> m_attributes;
    std::vector<std::shared_ptr<MemoryNode>> m_children;
    std::weak_ptr<MemoryDocument> m_document;
    QString m_value;
    int m_selectionStart = 0;
    int m_selectionEnd = 0;
    bool m_checked = false;
    bool m_optionSelected = false;
    QString m_chosenFile;
    std::shared_ptr<MemoryDocument> m_contentDocument;
    QString m_alignment;
    QList<TextMark> m_marks;
};
