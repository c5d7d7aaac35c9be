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

PageTextRange::Step PageTextRange::movedOffset(int offset, int count, const QString &value)
{
    // A CR LF pair is one character to a text range, as it is one line break to the user.
    const auto isPair = [&value](qsizetype at) {
        return at >= 0 && at + 1 < value.size() && value.at(at) == QLatin1Char('\r') &&
               value.at(at + 1) == QLatin1Char('\n');
    };
    qsizetype position = offset;
    int units = 0;
    for (; count > 0 && position < value.size(); --count, ++units)
        position += isPair(position) ? 2 : 1;
    for (; count < 0 && position > 0; ++count, --units)
        position -= isPair(position - 2) ? 2 : 1;
    return {static_cast<int>(position), units};
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
    const Step step = movedOffset(m_start, count, m_field ? m_field->value() : QString());
    m_start = m_end = step.offset;
    return step.units;
}

int PageTextRange::moveStart(const QString &unit, int count)
{
    keepInsideValue();
    if (!isCharacterUnit(unit))
        return 0;
    const Step step = movedOffset(m_start, count, m_field ? m_field->value() : QString());
    m_start = step.offset;
    m_end = std::max(m_end, m_start);
    return step.units;
}

int PageTextRange::moveEnd(const QString &unit, int count)
{
    keepInsideValue();
    if (!isCharacterUnit(unit))
        return 0;
    const Step step = movedOffset(m_end, count, m_field ? m_field->value() : QString());
    m_end = step.offset;
    m_start = std::min(m_start, m_end);
    return step.units;
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
    keepInsideValue();
    return m_field && m_field->scrollTextIntoView(m_start, m_end);
}

bool PageTextRange::queryCommandEnabled(const QString &command) const
{
    const bool known = command.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0 ||
                       command.compare(QLatin1String("RemoveFormat"), Qt::CaseInsensitive) == 0;
    return known && m_field && m_field->isTextField();
}

bool PageTextRange::execCommand(const QString &command, const QString &value)
{
    if (!queryCommandEnabled(command))
        return false;
    keepInsideValue();
    QList<TextMark> marks = m_field->textMarks();
    if (command.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0) {
        if (!TextMark::isColour(value))
            return false;
        marks.append({m_start, m_end, value});
        return m_field->setTextMarks(marks);
    }
    // RemoveFormat: what lies inside the range goes, what lies outside it stays.
    QList<TextMark> kept;
    for (const TextMark &mark : std::as_const(marks)) {
        if (mark.start < m_start)
            kept.append({mark.start, std::min(mark.end, m_start), mark.colour});
        if (mark.end > m_end)
            kept.append({std::max(mark.start, m_end), mark.end, mark.colour});
    }
    return m_field->setTextMarks(kept);
}
