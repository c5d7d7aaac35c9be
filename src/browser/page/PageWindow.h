#pragma once

#include <memory>

class PageDocument;

// The window of a page or of a frame.
class PageWindow
{
public:
    virtual ~PageWindow() = default;
    virtual bool focus() = 0;
    virtual std::shared_ptr<PageDocument> document() const = 0;
};
