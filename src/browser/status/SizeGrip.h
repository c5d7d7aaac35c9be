#pragma once

#include <QPoint>
#include <QWidget>

// The grip at the right end of the status bar: dragging it with the left button resizes the
// window by the distance moved, keeping the window's top-left corner.
class SizeGrip : public QWidget
{
    Q_OBJECT
public:
    explicit SizeGrip(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPoint m_pressed;
};
