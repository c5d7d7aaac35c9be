#include "search/MultiSearchTabBar.h"

#include <QPainter>
#include <cmath>

int MultiSearchTabBar::captionTop(int top, int height, int captionHeight, bool active)
{
    const int c = top + height / 2 - captionHeight / 2;
    // nearbyint rounds ties to even in the default rounding mode.
    return int(std::nearbyint(c * (active ? 0.75 : 1.3)));
}

void MultiSearchTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    for (int i = 0; i < count(); ++i) {
        const QRect rect = tabRect(i);
        painter.fillRect(rect, palette().window());
        const QString caption = tabText(i).remove(QLatin1Char('&'));
        const int top = captionTop(rect.top(), rect.height(), metrics.height(), i == currentIndex());
        const QRect textRect(rect.left(), top, rect.width(), metrics.height());
        painter.drawText(textRect, Qt::AlignHCenter | Qt::AlignTop, caption);
    }
}
