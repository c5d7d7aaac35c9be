#pragma once

#include <QTabBar>

// The owner-drawn page tabs of the multi-search window: each tab is filled with the window's
// colour and its caption drawn centred, higher on the active tab than on the others.
class MultiSearchTabBar : public QTabBar
{
    Q_OBJECT
public:
    using QTabBar::QTabBar;

    // The caption's top: c = top + height / 2 - captionHeight / 2 (halves rounded toward
    // zero), times 0.75 on the active tab and 1.3 on the others, rounded to the nearest
    // whole number, ties to even.
    static int captionTop(int top, int height, int captionHeight, bool active);

protected:
    void paintEvent(QPaintEvent *event) override;
};
