#include "testkit/memorypage/MemoryText.h"

MemoryText::MemoryText(const QString &text) : m_text(text), m_formats(text.size())
{
}

void MemoryText::insert(int index, const QString &text, const MemoryTextStyle &format)
{
    m_text.insert(index, text);
    m_formats.insert(index, text.size(), format);
}

void MemoryText::remove(int index, int count)
{
    m_text.remove(index, count);
    m_formats.remove(index, count);
}

std::shared_ptr<MemoryText> MemoryText::splitOff(int index)
{
    auto tail = std::make_shared<MemoryText>(m_text.mid(index));
    tail->m_formats = m_formats.mid(index);
    remove(index, static_cast<int>(m_text.size()) - index);
    return tail;
}
