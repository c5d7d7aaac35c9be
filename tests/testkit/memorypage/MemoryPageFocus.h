#pragma once

#include <memory>

class MemoryDocument;

// Which document of an in-memory page (the top one or a frame's) holds the keyboard focus;
// shared by every document of the page.
class MemoryPageFocus
{
public:
    std::shared_ptr<MemoryDocument> focusedDocument() const { return m_document.lock(); }
    void setFocusedDocument(const std::shared_ptr<MemoryDocument> &document) { m_document = document; }

private:
    std::weak_ptr<MemoryDocument> m_document;
};
