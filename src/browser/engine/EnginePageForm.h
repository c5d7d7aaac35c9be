#pragma once

#include "browser/engine/PageAgentHandle.h"
#include "browser/page/PageForm.h"

// A form of a page, held by the handle of its FORM element.
class EnginePageForm : public PageForm
{
public:
    explicit EnginePageForm(PageAgentHandle handle);

    int length() const override;
    std::shared_ptr<PageElement> item(int index) const override;
    bool isSameForm(const PageForm &other) const override;

private:
    PageAgentHandle m_handle;
};
