#include "browser/tabs/TabCaption.h"

#include <algorithm>

namespace TabCaption {

QString fromTitle(const QString &title, int maxLength)
{
    const int n = std::max(0, maxLength);
    if (title.size() <= n)
        return title;
    // Never cut between the two halves of a surrogate pair.
    const int cut = n > 0 && title.at(n - 1).isHighSurrogate() ? n - 1 : n;
    return title.left(cut) + QStringLiteral("...");
}

QString newTab(int index)
{
    return QStringLiteral("Browser ") + QString::number(index + 1) + QStringLiteral(" Loading...");
}

QPoint ownerDrawOrigin(const QRect &tabRect, const QSize &textSize, bool active, bool bottom)
{
    const int x = tabRect.left() + tabRect.width() / 2 - textSize.width() / 2;
    const int y = tabRect.top() + tabRect.height() / 2 - textSize.height() / 2;
    if (active)
        return QPoint(x, y);
    return QPoint(x, bottom ? y - 2 : y + 2);
}

}
