#include "testkit/memorypage/MemoryDocument.h"

#include "testkit/memorypage/MemoryEditor.h"
#include "testkit/memorypage/MemoryElement.h"
#include "testkit/memorypage/MemoryInnerText.h"
#include "testkit/memorypage/MemoryPageFocus.h"
#include "testkit/memorypage/MemoryVisibility.h"
#include "testkit/memorypage/MemoryWindow.h"

namespace {
void collectElements(const std::shared_ptr<MemoryElement> &element,
                     std::vector<std::shared_ptr<MemoryElement>> &list)
{
    list.push_back(element);
    for (const auto &child : element->children()) {
        if (auto childElement = std::dynamic_pointer_cast<MemoryElement>(child))
            collectElements(childElement, list);
    }
}

PageFormControl controlState(const std::shared_ptr<MemoryElement> &element)
{
    PageFormControl control;
    control.element = element;
    control.tagName = element->tagName();
    control.type = element->inputType().toUpper();
    control.name = element->name();
    control.value = element->value();
    control.vcardName = element->attribute(QStringLiteral("vcard_name"));
    control.checked = element->checked();
    control.selectedIndex = element->hasTag(QLatin1String("SELECT")) ? element->selectedIndex() : -1;
    control.visible = MemoryVisibility::isVisible(*element);
    return control;
}
}

MemoryDocument::MemoryDocument(const QString &url, std::shared_ptr<MemoryPageFocus> pageFocus)
    : m_url(url), m_pageFocus(std::move(pageFocus))
{
}

std::shared_ptr<PageElement> MemoryDocument::activeElement()
{
    if (auto focused = focusedElement())
        return focused;
    // The focus inside a frame shows here as the frame element on the way to it.
    for (auto document = m_pageFocus->focusedDocument(); document;) {
        const auto owner = document->ownerElement();
        if (!owner)
            break;
        document = owner->document();
        if (document.get() == this)
            return owner;
    }
    return body();
}

std::shared_ptr<PageWindow> MemoryDocument::parentWindow()
{
    return std::make_shared<MemoryWindow>(shared_from_this());
}

QString MemoryDocument::url()
{
    return m_url;
}

std::shared_ptr<PageElement> MemoryDocument::elementById(const QString &id)
{
    return findElementById(id);
}

std::optional<PageFocusedForm> MemoryDocument::focusedForm()
{
    const auto active = std::dynamic_pointer_cast<MemoryElement>(activeElement());
    if (!active)
        return std::nullopt;
    PageFocusedForm form;
    form.focused = controlState(active);
    const auto owner = active->formOwner();
    form.inForm = owner != nullptr;
    if (owner) {
        for (const auto &element : elements()) {
            if (element->isListedControl() && element->formOwner() == owner)
                form.controls.push_back(controlState(element));
        }
    }
    return form;
}

int MemoryDocument::writeControls(const std::vector<PageControlWrite> &writes)
{
    int made = 0;
    for (const PageControlWrite &write : writes) {
        const auto element = std::dynamic_pointer_cast<MemoryElement>(write.element);
        if (!element || element->document().get() != this)
            continue;
        bool done = false;
        switch (write.kind) {
        case PageControlWrite::Kind::Value:
            done = element->setValue(write.value);
            break;
        case PageControlWrite::Kind::Checked:
            done = element->setChecked(write.checked);
            break;
        case PageControlWrite::Kind::SelectedIndex:
            done = element->setSelectedIndex(write.selectedIndex);
            break;
        }
        made += done ? 1 : 0;
    }
    return made;
}

bool MemoryDocument::execCommand(const QString &command, bool, const QString &value)
{
    return MemoryEditor(*this).execute(command, value);
}

bool MemoryDocument::queryCommandSupported(const QString &command)
{
    return MemoryEditor::isSupported(command);
}

bool MemoryDocument::queryCommandEnabled(const QString &command)
{
    return MemoryEditor(*this).isEnabled(command);
}

bool MemoryDocument::queryCommandState(const QString &command)
{
    return MemoryEditor(*this).state(command);
}

QString MemoryDocument::queryCommandValue(const QString &command)
{
    return MemoryEditor(*this).value(command);
}

QString MemoryDocument::bodyInnerText()
{
    const auto element = body();
    return element ? MemoryInnerText::of(*element) : QString();
}

QString MemoryDocument::bgColor()
{
    return bodyAttribute(QStringLiteral("bgcolor"));
}

bool MemoryDocument::setBgColor(const QString &colour)
{
    return setBodyAttribute(QStringLiteral("bgcolor"), colour);
}

QString MemoryDocument::fgColor()
{
    return bodyAttribute(QStringLiteral("text"));
}

bool MemoryDocument::setFgColor(const QString &colour)
{
    return setBodyAttribute(QStringLiteral("text"), colour);
}

QString MemoryDocument::linkColor()
{
    return bodyAttribute(QStringLiteral("link"));
}

bool MemoryDocument::setLinkColor(const QString &colour)
{
    return setBodyAttribute(QStringLiteral("link"), colour);
}

QString MemoryDocument::alinkColor()
{
    return bodyAttribute(QStringLiteral("alink"));
}

bool MemoryDocument::setAlinkColor(const QString &colour)
{
    return setBodyAttribute(QStringLiteral("alink"), colour);
}

QString MemoryDocument::vlinkColor()
{
    return bodyAttribute(QStringLiteral("vlink"));
}

bool MemoryDocument::setVlinkColor(const QString &colour)
{
    return setBodyAttribute(QStringLiteral("vlink"), colour);
}

void MemoryDocument::setRoot(const std::shared_ptr<MemoryElement> &root)
{
    m_root = root;
    m_root->setDocument(shared_from_this());
}

std::shared_ptr<MemoryElement> MemoryDocument::body() const
{
    if (!m_root)
        return nullptr;
    for (const auto &child : m_root->children()) {
        auto element = std::dynamic_pointer_cast<MemoryElement>(child);
        if (element && (element->hasTag(QLatin1String("BODY")) || element->hasTag(QLatin1String("FRAMESET"))))
            return element;
    }
    return nullptr;
}

std::vector<std::shared_ptr<MemoryElement>> MemoryDocument::elements() const
{
    std::vector<std::shared_ptr<MemoryElement>> list;
    if (m_root)
        collectElements(m_root, list);
    return list;
}

std::shared_ptr<MemoryElement> MemoryDocument::findElementById(const QString &id) const
{
    if (id.isEmpty())
        return nullptr;
    for (const auto &element : elements()) {
        if (element->attribute(QStringLiteral("id")) == id)
            return element;
    }
    return nullptr;
}

bool MemoryDocument::focusElement(const std::shared_ptr<MemoryElement> &element)
{
    if (!element || !element->isFocusable() || element->document().get() != this)
        return false;
    if (m_pageFocus->focusedDocument().get() == this && focusedElement() == element)
        return true;
    takeFocusFromOtherDocument();
    m_focused = element;
    if (element->isTextField()) {
        // The field brings back the selection it kept while it did not have the focus.
        m_selection.selectField(element);
    } else if (element->isEditableHost()) {
        if (m_selection.kind() != MemorySelection::Kind::Editable || m_selection.element() != element)
            m_selection.selectEditable(element, 0, 0);
    }
    // A focused frame element passes the focus on to the document it shows.
    if (const auto shown = element->contentDocument())
        m_pageFocus->setFocusedDocument(shown);
    return true;
}

void MemoryDocument::focusWindow()
{
    takeFocusFromOtherDocument();
}

void MemoryDocument::takeFocusFromOtherDocument()
{
    const auto previous = m_pageFocus->focusedDocument();
    if (previous && previous.get() != this)
        previous->m_focused.reset();
    m_pageFocus->setFocusedDocument(shared_from_this());
}

QString MemoryDocument::bodyAttribute(const QString &name) const
{
    const auto element = body();
    return element && element->hasTag(QLatin1String("BODY")) ? element->attribute(name) : QString();
}

bool MemoryDocument::setBodyAttribute(const QString &name, const QString &value)
{
    const auto element = body();
    if (!element || !element->hasTag(QLatin1String("BODY")))
        return false;
    element->setAttribute(name, value);
    return true;
}
