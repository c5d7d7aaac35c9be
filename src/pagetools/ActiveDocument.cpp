#include "pagetools/ActiveDocument.h"

#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"

namespace {
bool isFrame(const PageElement &element)
{
    const QString tag = element.tagName().toUpper();
    return tag == QLatin1String("FRAME") || tag == QLatin1String("IFRAME");
}
}

std::shared_ptr<PageDocument> focusedDocumentOf(const std::shared_ptr<PageDocument> &topLevel)
{
    std::shared_ptr<PageDocument> document = topLevel;
    if (!document)
        return nullptr;
    std::shared_ptr<PageElement> active = document->activeElement();
    if (!active)
        return nullptr;
    while (isFrame(*active)) {
        const std::shared_ptr<PageWindow> window = active->contentWindow();
        document = window ? window->document() : nullptr;
        active = document ? document->activeElement() : nullptr;
        if (!active)
            return nullptr;
    }
    return document;
}
