#include "browser/page/PageTextRange.h"

#include "browser/page/PageElement.h"

#include <algorithm>

namespace {
bool isCharacterUnit(const QString &unit)
{
    return unit.compare(QLatin1String("character"), Qt::CaseInsensitive) == 0;
}
}

PageTextRange::PageTextRange(std::shared_ptr<PageElement> field, int start, int end)
    : m_field(std::move(field)), m_start(std::min(start, end)), m_end(std::max(start, end))
{
}

std::shared_ptr<PageTextRange> PageTextRange::duplicate() const
{
    return std::make_shared<PageTextRange>(m_field, m_start, m_end);
}

int PageTextRange::fieldLength() const
{
    return m_field ? static_cast<int>(m_field->value().size()) : 0;
}

void PageTextRange::keepInsideValue()
{
    const int length = fieldLength();
    m_start = std::clamp(m_start, 0, length);
    m_end = std::clamp(m_end, m_start, length);
}

int PageTextRange::movedOffset(int offset, int count, int length)
{
    const long long target = static_cast<long long>(offset) + count;
    return static_cast<int>(std::clamp<long long>(target, 0, length));
}

QString PageTextRange::text() const
{
    if (!m_field)
        return QString();
    const QString value = m_field->value();
    const int length = static_cast<int>(value.size());
    const int start = std::clamp(m_start, 0, length);
    const int end = std::clamp(m_end, start, length);
    return value.mid(start, end - start);
}

bool PageTextRange::setText(const QString &text)
{
    keepInsideValue();
    if (!m_field || !m_field->replaceRange(m_start, m_end, text))
        return false;
    m_start = m_end = m_start + static_cast<int>(text.size());
    return true;
}

int PageTextRange::move(const QString &unit, int count)
{
    keepInsideValue();
    collapse(true);
    if (!isCharacterUnit(unit))
        return 0;
    const int target = movedOffset(m_start, count, fieldLength());
    const int moved = target - m_start;
    m_start = m_end = target;
    return moved;
}

int PageTextRange::moveStart(const QString &unit, int count)
{
    keepInsideValue();
    if (!isCharacterUnit(unit))
        return 0;
    const int target = movedOffset(m_start, count, fieldLength());
    const int moved = target - m_start;
    m_start = target;
    m_end = std::max(m_end, m_start);
    return moved;
}

int PageTextRange::moveEnd(const QString &unit, int count)
{
    keepInsideValue();
    if (!isCharacterUnit(unit))
        return 0;
    const int target = movedOffset(m_end, count, fieldLength());
    const int moved = target - m_end;
    m_end = target;
    m_start = std::min(m_start, m_end);
    return moved;
}

void PageTextRange::collapse(bool toStart)
{
    if (toStart)
        m_end = m_start;
    else
        m_start = m_end;
}

bool PageTextRange::select()
{
    keepInsideValue();
    return m_field && m_field->setSelectionRange(m_start, m_end);
}

bool PageTextRange::scrollIntoView()
{
    return m_field && m_field->scrollIntoView();
}
