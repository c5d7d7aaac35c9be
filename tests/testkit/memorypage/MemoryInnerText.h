#pragma once

#include <QString>

class MemoryElement;

// The innerText of an element as the engine renders it: block elements on lines of their own,
// paragraphs set off by an empty line, table cells split by tabs, white space collapsed outside
// PRE, and nothing from hidden elements, form field values, images or frames.
namespace MemoryInnerText {
QString of(const MemoryElement &element);
}
