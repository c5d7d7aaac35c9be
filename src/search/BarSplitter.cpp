#include "search/BarSplitter.h"

#include <QMouseEvent>

BarSplitter::BarSplitter(QWidget *resized, QWidget *parent) : QWidget(parent), m_resized(resized)
{
    setFixedWidth(Thickness);
    setCursor(Qt::SplitHCursor);
}

void BarSplitter::mousePressEvent(QMouseEvent *event)
{
    m_pressX = qRound(event->globalPosition().x());
    m_startWidth = m_resized->width();
}

void BarSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int width = qMax(MinimumWidth, m_startWidth + qRound(event->globalPosition().x()) - m_pressX);
    m_resized->setFixedWidth(width);
    emit resized(width);
}
