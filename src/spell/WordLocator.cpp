#include "spell/WordLocator.h"

#include <algorithm>

std::optional<int> locateWord(const QString &text, int expected, int length, const QString &word)
{
    if (word.isEmpty())
        return std::nullopt;
    const int size = static_cast<int>(text.size());
    int start = std::clamp(expected, 0, size);
    int end = std::clamp(expected + std::max(0, length), start, size);
    for (int step = 1;; ++step) {
        const qsizetype at = QStringView(text).mid(start, end - start).indexOf(word);
        if (at >= 0)
            return start + static_cast<int>(at);
        if (start == 0 && end == size)
            return std::nullopt;
        start = std::max(0, start - step);
        end = std::min(size, end + step);
    }
}
