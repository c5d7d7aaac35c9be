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
    return static_cast<int>(m_field->value().size());
}

int PageTextRange::clampToValue(int offset, int length) const
{
    return std::clamp(offset, 0, length);
}

QString PageTextRange::text() const
{
    const QString value = m_field->value();
    const int length = static_cast<int>(value.size());
    const int start = clampToValue(m_start, length);
    const int end = clampToValue(m_end, length);
    return value.mid(start, end - start);
}

bool PageTextRange::setText(const QString &text)
{
    const int length = fieldLength();
    const int start = clampToValue(m_start, length);
    const int end = clampToValue(m_end, length);
    if (!m_field->replaceRange(start, end, text))
        return false;
    m_start = m_end = start + static_cast<int>(text.size());
    return true;
}

int PageTextRange::move(const QString &unit, int count)
{
    collapse(true);
    if (!isCharacterUnit(unit))
        return 0;
    const int target = clampToValue(m_start + count, fieldLength());
    const int moved = target - m_start;
    m_start = m_end = target;
    return moved;
}

int PageTextRange::moveStart(const QString &unit, int count)
{
    if (!isCharacterUnit(unit))
        return 0;
    const int target = clampToValue(m_start + count, fieldLength());
    const int moved = target - m_start;
    m_start = target;
    m_end = std::max(m_end, m_start);
    return moved;
}

int PageTextRange::moveEnd(const QString &unit, int count)
{
    if (!isCharacterUnit(unit))
        return 0;
    const int target = clampToValue(m_end + count, fieldLength());
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
    const int length = fieldLength();
    return m_field->setSelectionRange(clampToValue(m_start, length), clampToValue(m_end, length));
}

bool PageTextRange::scrollIntoView()
{
    return m_field->scrollIntoView();
}
