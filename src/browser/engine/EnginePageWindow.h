#pragma once

#include "browser/engine/PageAgentHandle.h"
#include "browser/page/PageWindow.h"

// The window of the top-level page or of a frame, named by its frame number: its document is
// whatever the frame shows at the time of asking.
class EnginePageWindow : public PageWindow
{
public:
    explicit EnginePageWindow(PageAgentHandle handle);

    bool focus() override;
    std::shared_ptr<PageDocument> document() const override;

private:
    PageAgentHandle m_handle;
};
