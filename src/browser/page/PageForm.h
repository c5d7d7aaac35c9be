#pragma once

#include <memory>

class PageElement;

// A form of a page: its controls in document order.
class PageForm
{
public:
    virtual ~PageForm() = default;
    virtual int length() const = 0;
    virtual std::shared_ptr<PageElement> item(int index) const = 0;
    virtual bool isSameForm(const PageForm &other) const = 0;
};
