#pragma once

#include "browser/page/PageWindow.h"

class MemoryDocument;

// The window of an in-memory page or of one of its frames.
class MemoryWindow final : public PageWindow
{
public:
    explicit MemoryWindow(std::shared_ptr<MemoryDocument> document);

    bool focus() override;
    std::shared_ptr<PageDocument> document() const override;

private:
    std::shared_ptr<MemoryDocument> m_document;
};
