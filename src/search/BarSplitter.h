#pragma once

#include <QWidget>

// A 3-pixel splitter in a tool bar: dragging it changes the width of the control to its left.
class BarSplitter : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Thickness = 3;
    static constexpr int MinimumWidth = 20;

    explicit BarSplitter(QWidget *resized, QWidget *parent = nullptr);

signals:
    // The control's new width after a drag step.
    void resized(int width);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QWidget *m_resized;
    int m_pressX = 0;
    int m_startWidth = 0;
};
