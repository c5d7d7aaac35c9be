#include "testkit/memorypage/MemoryElement.h"

#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryForm.h"
#include "testkit/memorypage/MemoryInputType.h"
#include "testkit/memorypage/MemoryText.h"
#include "testkit/memorypage/MemoryWindow.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace {
bool tagIn(const QString &tag, std::initializer_list<const char *> tags)
{
    return std::any_of(tags.begin(), tags.end(),
                       [&tag](const char *candidate) { return tag == QLatin1String(candidate); });
}

// Whether the element sits in content that can be edited (contenteditable on it or above it).
bool isContentEditable(const MemoryElement *element)
{
    for (; element; element = element->parent().get()) {
        if (!element->hasAttribute(QStringLiteral("contenteditable")))
            continue;
        const QString flag = element->attribute(QStringLiteral("contenteditable")).toLower();
        return flag.isEmpty() || flag == QLatin1String("true") || flag == QLatin1String("plaintext-only");
    }
    return false;
}
}

MemoryElement::MemoryElement(const QString &tag) : m_tag(tag.toUpper())
{
}

QString MemoryElement::tagName() const
{
    return m_tag;
}

QString MemoryElement::getAttribute(const QString &name) const
{
    const QString key = name.toLower();
    if (isInput() && key == QLatin1String("type"))
        return inputType();
    return attribute(key);
}

bool MemoryElement::isSameNode(const PageElement &other) const
{
    return static_cast<const PageElement *>(this) == &other;
}

QString MemoryElement::name() const
{
    if (!tagIn(m_tag, {"A", "BUTTON", "EMBED", "FIELDSET", "FORM", "FRAME", "IFRAME", "IMG", "INPUT",
                       "MAP", "META", "OBJECT", "OUTPUT", "PARAM", "SELECT", "SLOT", "TEXTAREA"}))
        return QString();
    return attribute(QStringLiteral("name"));
}

QString MemoryElement::value() const
{
    if (isTextArea())
        return m_value;
    if (isInput()) {
        switch (MemoryInputType::valueMode(inputType())) {
        case MemoryInputType::ValueMode::Value:
            return m_value;
        case MemoryInputType::ValueMode::Default:
            return attribute(QStringLiteral("value"));
        case MemoryInputType::ValueMode::DefaultOn:
            return hasAttribute(QStringLiteral("value")) ? attribute(QStringLiteral("value"))
                                                         : QStringLiteral("on");
        case MemoryInputType::ValueMode::FileName:
            return m_chosenFile.isEmpty()
                       ? QString()
                       : QStringLiteral("C:\\fakepath\\") + QFileInfo(m_chosenFile).fileName();
        }
    }
    if (hasTag(QLatin1String("SELECT"))) {
        for (const auto &option : options()) {
            if (option->isOptionSelected())
                return option->value();
        }
        return QString();
    }
    if (hasTag(QLatin1String("OPTION")))
        return hasAttribute(QStringLiteral("value")) ? attribute(QStringLiteral("value"))
                                                     : textContent().simplified();
    if (hasTag(QLatin1String("BUTTON")))
        return attribute(QStringLiteral("value"));
    if (hasTag(QLatin1String("OUTPUT")))
        return textContent();
    return QString();
}

bool MemoryElement::setValue(const QString &value)
{
    QString newValue;
    if (isTextArea()) {
        newValue = MemoryInputType::toLineFeeds(value);
    } else if (isInput()) {
        switch (MemoryInputType::valueMode(inputType())) {
        case MemoryInputType::ValueMode::Value:
            newValue = MemoryInputType::sanitize(inputType(), value);
            break;
        case MemoryInputType::ValueMode::Default:
        case MemoryInputType::ValueMode::DefaultOn:
            setAttribute(QStringLiteral("value"), value);
            return true;
        case MemoryInputType::ValueMode::FileName:
            // A script may clear the chosen file but never choose one.
            if (!value.isEmpty())
                return false;
            m_chosenFile.clear();
            return true;
        }
    } else if (hasTag(QLatin1String("SELECT"))) {
        bool found = false;
        for (const auto &option : options()) {
            const bool match = !found && option->value() == value;
            option->setOptionSelected(match);
            found = found || match;
        }
        return true;
    } else if (hasTag(QLatin1String("BUTTON")) || hasTag(QLatin1String("OPTION"))) {
        setAttribute(QStringLiteral("value"), value);
        return true;
    } else if (hasTag(QLatin1String("OUTPUT"))) {
        m_children.clear();
        appendChild(std::make_shared<MemoryText>(value));
        return true;
    } else {
        return false;
    }
    // A value set by the program takes the marks off; a new text puts the caret at its end,
    // the same text leaves the selection alone.
    m_marks.clear();
    if (newValue != m_value) {
        m_value = newValue;
        m_selectionStart = m_selectionEnd = fieldLength();
    }
    return true;
}

std::shared_ptr<PageForm> MemoryElement::form() const
{
    const auto owner = formOwner();
    return owner ? std::make_shared<MemoryForm>(owner) : nullptr;
}

int MemoryElement::selectionStart() const
{
    return isTextField() ? m_selectionStart : -1;
}

int MemoryElement::selectionEnd() const
{
    return isTextField() ? m_selectionEnd : -1;
}

bool MemoryElement::setSelectionRange(int start, int end)
{
    if (!isTextField())
        return false;
    m_selectionEnd = std::clamp(end, 0, fieldLength());
    m_selectionStart = std::min(std::clamp(start, 0, fieldLength()), m_selectionEnd);
    return true;
}

bool MemoryElement::replaceRange(int start, int end, const QString &text)
{
    if (!isTextField())
        return false;
    start = std::clamp(start, 0, fieldLength());
    end = std::clamp(end, 0, fieldLength());
    if (start > end)
        return false;
    QString inserted = MemoryInputType::toLineFeeds(text);
    if (!isTextArea())
        inserted.remove(QLatin1Char('\n'));
    spliceFieldValue(start, end, inserted);
    return true;
}

int MemoryElement::selectedIndex() const
{
    const auto list = options();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->isOptionSelected())
            return static_cast<int>(i);
    }
    return -1;
}

bool MemoryElement::setSelectedIndex(int index)
{
    if (!hasTag(QLatin1String("SELECT")))
        return false;
    const auto list = options();
    for (std::size_t i = 0; i < list.size(); ++i)
        list[i]->setOptionSelected(static_cast<int>(i) == index);
    return true;
}

bool MemoryElement::checked() const
{
    const QString type = inputType();
    return (type == QLatin1String("checkbox") || type == QLatin1String("radio")) && m_checked;
}

bool MemoryElement::setChecked(bool checked)
{
    const QString type = inputType();
    if (type != QLatin1String("checkbox") && type != QLatin1String("radio"))
        return false;
    m_checked = checked;
    if (checked && type == QLatin1String("radio"))
        uncheckOtherRadios();
    return true;
}

std::shared_ptr<PageWindow> MemoryElement::contentWindow() const
{
    return m_contentDocument ? std::make_shared<MemoryWindow>(m_contentDocument) : nullptr;
}

bool MemoryElement::focus()
{
    const auto owner = document();
    return owner && owner->focusElement(self());
}

bool MemoryElement::scrollIntoView()
{
    return document() != nullptr;
}

QList<TextMark> MemoryElement::textMarks() const
{
    return m_marks;
}

bool MemoryElement::setTextMarks(const QList<TextMark> &marks)
{
    if (!isTextField())
        return false;
    for (const TextMark &mark : marks) {
        if (!TextMark::isColour(mark.colour))
            return false;
    }
    m_marks = TextMark::shown(marks, fieldLength());
    return true;
}

bool MemoryElement::scrollTextIntoView(int, int)
{
    return isTextField() && document() != nullptr;
}

std::shared_ptr<MemoryElement> MemoryElement::self()
{
    return std::static_pointer_cast<MemoryElement>(shared_from_this());
}

QString MemoryElement::attribute(const QString &name) const
{
    for (const auto &[key, value] : m_attributes) {
        if (key == name)
            return value;
    }
    return QString();
}

bool MemoryElement::hasAttribute(const QString &name) const
{
    return std::any_of(m_attributes.begin(), m_attributes.end(),
                       [&name](const auto &attribute) { return attribute.first == name; });
}

void MemoryElement::setAttribute(const QString &name, const QString &value)
{
    const QString key = name.toLower();
    for (auto &attribute : m_attributes) {
        if (attribute.first == key) {
            attribute.second = value;
            return;
        }
    }
    m_attributes.append({key, value});
}

void MemoryElement::appendChild(const std::shared_ptr<MemoryNode> &child)
{
    insertChild(m_children.size(), child);
}

void MemoryElement::insertChild(std::size_t index, const std::shared_ptr<MemoryNode> &child)
{
    child->setParent(self());
    if (const auto element = std::dynamic_pointer_cast<MemoryElement>(child))
        element->setDocument(document());
    m_children.insert(m_children.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_children.size())),
                      child);
}

void MemoryElement::removeChild(const MemoryNode &child)
{
    const std::size_t index = indexOf(child);
    if (index < m_children.size())
        m_children.erase(m_children.begin() + static_cast<std::ptrdiff_t>(index));
}

std::size_t MemoryElement::indexOf(const MemoryNode &child) const
{
    const auto found = std::find_if(m_children.begin(), m_children.end(),
                                    [&child](const auto &node) { return node.get() == &child; });
    return static_cast<std::size_t>(found - m_children.begin());
}

QString MemoryElement::textContent() const
{
    QString text;
    for (const auto &child : m_children) {
        if (const auto *run = dynamic_cast<const MemoryText *>(child.get()))
            text += run->text();
        else if (const auto *element = dynamic_cast<const MemoryElement *>(child.get()))
            text += element->textContent();
    }
    return text;
}

void MemoryElement::setDocument(const std::shared_ptr<MemoryDocument> &document)
{
    m_document = document;
    for (const auto &child : m_children) {
        if (const auto element = std::dynamic_pointer_cast<MemoryElement>(child))
            element->setDocument(document);
    }
}

QString MemoryElement::inputType() const
{
    return isInput() ? MemoryInputType::effective(attribute(QStringLiteral("type"))) : QString();
}

bool MemoryElement::isDisabled() const
{
    return tagIn(m_tag, {"INPUT", "TEXTAREA", "SELECT", "BUTTON", "FIELDSET", "OPTGROUP", "OPTION"})
           && hasAttribute(QStringLiteral("disabled"));
}

bool MemoryElement::isReadOnly() const
{
    return isTextField() && hasAttribute(QStringLiteral("readonly"));
}

bool MemoryElement::isEditableTextField() const
{
    return isTextField() && !isReadOnly() && !isDisabled();
}

bool MemoryElement::isEditableHost() const
{
    if (!hasAttribute(QStringLiteral("contenteditable")) || !isContentEditable(this))
        return false;
    const auto above = parent();
    return !above || !isContentEditable(above.get());
}

bool MemoryElement::isFocusable() const
{
    if (!document() || isDisabled())
        return false;
    if (isInput())
        return inputType() != QLatin1String("hidden");
    if (tagIn(m_tag, {"TEXTAREA", "SELECT", "BUTTON", "IFRAME", "FRAME"}))
        return true;
    if (tagIn(m_tag, {"A", "AREA"}) && hasAttribute(QStringLiteral("href")))
        return true;
    return hasAttribute(QStringLiteral("tabindex")) || isEditableHost();
}

bool MemoryElement::isListedControl() const
{
    if (isInput())
        return inputType() != QLatin1String("image");
    return tagIn(m_tag, {"BUTTON", "FIELDSET", "OBJECT", "OUTPUT", "SELECT", "TEXTAREA"});
}

std::shared_ptr<MemoryElement> MemoryElement::formOwner() const
{
    if (!isListedControl() && !isInput())
        return nullptr;
    if (hasAttribute(QStringLiteral("form"))) {
        const auto owner = document();
        const auto target = owner ? owner->findElementById(attribute(QStringLiteral("form"))) : nullptr;
        return target && target->hasTag(QLatin1String("FORM")) ? target : nullptr;
    }
    for (auto node = parent(); node; node = node->parent()) {
        if (node->hasTag(QLatin1String("FORM")))
            return node;
    }
    return nullptr;
}

void MemoryElement::spliceFieldValue(int start, int end, const QString &text)
{
    m_value = m_value.left(start) + text + m_value.mid(end);
    m_selectionStart = m_selectionEnd = start + static_cast<int>(text.size());
    m_marks.clear();
}

void MemoryElement::resetFieldValue()
{
    if (isTextArea())
        m_value = MemoryInputType::toLineFeeds(textContent());
    else if (isInput() && MemoryInputType::valueMode(inputType()) == MemoryInputType::ValueMode::Value)
        m_value = MemoryInputType::sanitize(inputType(), attribute(QStringLiteral("value")));
    m_selectionStart = m_selectionEnd = 0;
    m_marks.clear();
    if (isInput() && hasAttribute(QStringLiteral("checked")))
        setChecked(true);
}

void MemoryElement::chooseFile(const QString &path)
{
    if (inputType() == QLatin1String("file"))
        m_chosenFile = path;
}

std::vector<std::shared_ptr<MemoryElement>> MemoryElement::options() const
{
    std::vector<std::shared_ptr<MemoryElement>> list;
    if (!hasTag(QLatin1String("SELECT")))
        return list;
    for (const auto &child : m_children) {
        const auto element = std::dynamic_pointer_cast<MemoryElement>(child);
        if (!element)
            continue;
        if (element->hasTag(QLatin1String("OPTION"))) {
            list.push_back(element);
        } else if (element->hasTag(QLatin1String("OPTGROUP"))) {
            for (const auto &grouped : element->children()) {
                const auto option = std::dynamic_pointer_cast<MemoryElement>(grouped);
                if (option && option->hasTag(QLatin1String("OPTION")))
                    list.push_back(option);
            }
        }
    }
    return list;
}

void MemoryElement::resetSelectedOptions()
{
    const auto list = options();
    const bool multiple = hasAttribute(QStringLiteral("multiple"))
                          || attribute(QStringLiteral("size")).toInt() > 1;
    std::shared_ptr<MemoryElement> chosen;
    for (const auto &option : list) {
        const bool marked = option->hasAttribute(QStringLiteral("selected"));
        option->setOptionSelected(multiple && marked);
        if (marked)
            chosen = option;
    }
    if (multiple)
        return;
    // A drop-down always shows a choice: the last marked option, else the first enabled one.
    if (!chosen) {
        const auto enabled = std::find_if(list.begin(), list.end(),
                                          [](const auto &option) { return !option->isDisabled(); });
        if (enabled != list.end())
            chosen = *enabled;
    }
    if (chosen)
        chosen->setOptionSelected(true);
}

void MemoryElement::setContentDocument(const std::shared_ptr<MemoryDocument> &document)
{
    m_contentDocument = document;
}

QString MemoryElement::alignment() const
{
    return m_alignment.isEmpty() ? QStringLiteral("left") : m_alignment;
}

void MemoryElement::uncheckOtherRadios()
{
    const QString group = attribute(QStringLiteral("name"));
    const auto owner = document();
    if (group.isEmpty() || !owner)
        return;
    const auto form = formOwner();
    for (const auto &element : owner->elements()) {
        if (element.get() != this && element->inputType() == QLatin1String("radio")
            && element->attribute(QStringLiteral("name")) == group && element->formOwner() == form)
            element->m_checked = false;
    }
}
