#pragma once

#include "browser/page/PageForm.h"

#include <memory>
#include <vector>

class MemoryElement;

// A FORM of an in-memory page: the listed controls it owns, in document order.
class MemoryForm final : public PageForm
{
public:
    explicit MemoryForm(std::shared_ptr<MemoryElement> form);

    int length() const override;
    std::shared_ptr<PageElement> item(int index) const override;
    bool isSameForm(const PageForm &other) const override;

private:
    std::vector<std::shared_ptr<MemoryElement>> controls() const;

    std::shared_ptr<MemoryElement> m_form;
};
