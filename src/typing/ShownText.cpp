#include "typing/ShownText.h"

namespace {
constexpr qsizetype MaxShown = 300;
}

QString shownText(const QString &text)
{
    if (text.size() <= MaxShown)
        return text;
    return text.left(MaxShown) + QChar(0x2026);
}
