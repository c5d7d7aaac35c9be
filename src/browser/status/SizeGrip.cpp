#include "browser/status/SizeGrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSizeGrip>

SizeGrip::SizeGrip(QWidget *parent) : QWidget(parent)
{
    setFixedSize(12, 12);
    setCursor(Qt::SizeFDiagCursor);
}

void SizeGrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionSizeGrip option;
    option.initFrom(this);
    option.corner = Qt::BottomRightCorner;
    style()->drawControl(QStyle::CE_SizeGrip, &option, &painter, this);
}

void SizeGrip::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->position().toPoint();
}

void SizeGrip::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    QWidget *target = window();
    const QPoint moved = event->position().toPoint() - m_pressed;
    target->resize(target->width() + moved.x(), target->height() + moved.y());
    target->update();
}
