#include "browser/tabs/TabStripLayout.h"

#include <algorithm>

namespace {
// Splits the tabs into lines: a tab that does not fit after others starts the next line.
QList<QList<int>> breakLines(const QList<int> &lengths, int available)
{
    QList<QList<int>> lines;
    int used = 0;
    for (int i = 0; i < lengths.size(); ++i) {
        if (lines.isEmpty() || (!lines.last().isEmpty() && used + lengths[i] > available)) {
            lines.append(QList<int>());
            used = 0;
        }
        lines.last().append(i);
        used += lengths[i];
    }
    return lines;
}
}

TabStripLayout::Result TabStripLayout::arrange(const Input &input)
{
    Result result;
    const int count = static_cast<int>(input.lengths.size());
    result.rects.fill(QRect(), count);
    if (count == 0)
        return result;

    if (!input.multiLine) {
        int total = 0;
        for (int length : input.lengths)
            total += length;
        result.overflow = total > input.available;
        result.lineCount = 1;
        const int first = std::clamp(input.firstShown, 0, count - 1);
        int along = 0;
        for (int i = first; i < count; ++i) {
            result.rects[i] = QRect(along, 0, input.lengths[i], input.thickness);
            along += input.lengths[i];
        }
        return result;
    }

    const QList<QList<int>> lines = breakLines(input.lengths, input.available);
    const int lineCount = static_cast<int>(lines.size());
    result.lineCount = lineCount;
    int activeLine = lineCount - 1;
    for (int l = 0; l < lineCount; ++l) {
        if (lines[l].contains(input.active))
            activeLine = l;
    }
    for (int l = 0; l < lineCount; ++l) {
        const int place = input.activeLineLast ? (l - activeLine - 1 + 2 * lineCount) % lineCount
                                               : (l - activeLine + lineCount) % lineCount;
        const QList<int> &line = lines[l];
        int used = 0;
        for (int i : line)
            used += input.lengths[i];
        // With more than one line every line fills the strip; the spare room is shared out.
        const int spare = lineCount > 1 ? std::max(0, input.available - used) : 0;
        const int n = static_cast<int>(line.size());
        int along = 0;
        for (int k = 0; k < n; ++k) {
            const int length = input.lengths[line[k]] + spare / n + (k < spare % n ? 1 : 0);
            result.rects[line[k]] = QRect(along, place * input.thickness, length, input.thickness);
            along += length;
        }
    }
    return result;
}

int TabStripLayout::firstShownFor(const QList<int> &lengths, int available, int active, int firstShown)
{
    const int count = static_cast<int>(lengths.size());
    if (count == 0)
        return 0;
    const auto span = [&lengths](int from, int to) {
        int total = 0;
        for (int i = from; i <= to; ++i)
            total += lengths[i];
        return total;
    };
    int first = std::clamp(firstShown, 0, count - 1);
    if (active >= 0 && active < count) {
        if (active < first)
            first = active;
        while (first < active && span(first, active) > available)
            ++first;
    }
    while (first > 0 && span(first - 1, count - 1) <= available)
        --first;
    return first;
}
