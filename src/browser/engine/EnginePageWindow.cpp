#include "browser/engine/EnginePageWindow.h"

EnginePageWindow::EnginePageWindow(PageAgentHandle handle) : m_handle(std::move(handle)) {}

bool EnginePageWindow::focus()
{
    return m_handle.flag(QStringLiteral("focus"));
}

std::shared_ptr<PageDocument> EnginePageWindow::document() const
{
    return m_handle.document(QStringLiteral("document"));
}
