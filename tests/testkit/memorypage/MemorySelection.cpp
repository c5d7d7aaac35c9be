#include "testkit/memorypage/MemorySelection.h"

#include "testkit/memorypage/MemoryElement.h"

#include <algorithm>

MemorySelection::Kind MemorySelection::kind() const
{
    if ((m_kind == Kind::Field || m_kind == Kind::Editable) && m_element.expired())
        return Kind::None;
    return m_kind;
}

void MemorySelection::clear()
{
    reset(Kind::None, nullptr, 0, 0);
}

void MemorySelection::selectField(const std::shared_ptr<MemoryElement> &field)
{
    reset(Kind::Field, field, 0, 0);
}

void MemorySelection::selectEditable(const std::shared_ptr<MemoryElement> &host, int start, int end)
{
    reset(Kind::Editable, host, std::min(start, end), std::max(start, end));
}

void MemorySelection::selectDocument()
{
    reset(Kind::Document, nullptr, 0, 0);
}

void MemorySelection::reset(Kind kind, const std::shared_ptr<MemoryElement> &element, int start, int end)
{
    m_kind = kind;
    m_element = element;
    m_start = start;
    m_end = end;
    m_typingStyle = MemoryTextStyle();
}
