#pragma once

#include "browser/page/PageDocument.h"
#include "testkit/memorypage/MemorySelection.h"

#include <memory>
#include <vector>

class MemoryElement;
class MemoryPageFocus;

// The document of an in-memory page or frame. Focus follows the engine: focusing an element
// makes its document the focused one and clears the focused element of the document that had
// the focus before; a document whose own element does not have the focus reports the FRAME or
// IFRAME on the way to the focused document, else its body. Like the engine, a document whose
// frame element itself took the focus keeps reporting it while the focus moves on inside
// another of its frames.
class MemoryDocument final : public PageDocument, public std::enable_shared_from_this<MemoryDocument>
{
public:
    MemoryDocument(const QString &url, std::shared_ptr<MemoryPageFocus> pageFocus);

    std::shared_ptr<PageElement> activeElement() override;
    std::shared_ptr<PageWindow> parentWindow() override;
    QString url() override;
    std::shared_ptr<PageElement> elementById(const QString &id) override;
    std::optional<PageFocusedForm> focusedForm() override;
    int writeControls(const std::vector<PageControlWrite> &writes) override;

    bool execCommand(const QString &command, bool showUserInterface, const QString &value) override;
    bool queryCommandSupported(const QString &command) override;
    bool queryCommandEnabled(const QString &command) override;
    bool queryCommandState(const QString &command) override;
    QString queryCommandValue(const QString &command) override;

    QString bodyInnerText() override;
    QString bgColor() override;
    bool setBgColor(const QString &colour) override;
    QString fgColor() override;
    bool setFgColor(const QString &colour) override;
    QString linkColor() override;
    bool setLinkColor(const QString &colour) override;
    QString alinkColor() override;
    bool setAlinkColor(const QString &colour) override;
    QString vlinkColor() override;
    bool setVlinkColor(const QString &colour) override;

    // Tree.
    std::shared_ptr<MemoryElement> root() const { return m_root; }
    void setRoot(const std::shared_ptr<MemoryElement> &root);
    // The BODY or FRAMESET.
    std::shared_ptr<MemoryElement> body() const;
    // Every element in document order.
    std::vector<std::shared_ptr<MemoryElement>> elements() const;
    std::shared_ptr<MemoryElement> findElementById(const QString &id) const;

    // Frames: the FRAME or IFRAME that shows this document, null for the top document.
    std::shared_ptr<MemoryElement> ownerElement() const { return m_owner.lock(); }
    void setOwnerElement(const std::shared_ptr<MemoryElement> &owner) { m_owner = owner; }

    // Focus.
    std::shared_ptr<MemoryElement> focusedElement() const { return m_focused.lock(); }
    bool focusElement(const std::shared_ptr<MemoryElement> &element);
    void focusWindow();

    MemorySelection &selection() { return m_selection; }

private:
    void takeFocusFromOtherDocument();
    QString bodyAttribute(const QString &name) const;
    bool setBodyAttribute(const QString &name, const QString &value);

    QString m_url;
    std::shared_ptr<MemoryPageFocus> m_pageFocus;
    std::shared_ptr<MemoryElement> m_root;
    std::weak_ptr<MemoryElement> m_owner;
    std::weak_ptr<MemoryElement> m_focused;
    MemorySelection m_selection;
};
