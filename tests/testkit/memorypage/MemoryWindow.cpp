#include "testkit/memorypage/MemoryWindow.h"

#include "testkit/memorypage/MemoryDocument.h"

MemoryWindow::MemoryWindow(std::shared_ptr<MemoryDocument> document) : m_document(std::move(document))
{
}

bool MemoryWindow::focus()
{
    m_document->focusWindow();
    return true;
}

std::shared_ptr<PageDocument> MemoryWindow::document() const
{
    return m_document;
}
