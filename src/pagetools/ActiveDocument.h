#pragma once

#include <memory>

class PageDocument;

// The document of the innermost frame holding the focus, starting from a top-level document
// and descending through FRAME and IFRAME elements; null on any failure along the way.
std::shared_ptr<PageDocument> focusedDocumentOf(const std::shared_ptr<PageDocument> &topLevel);
