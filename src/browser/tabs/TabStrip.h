#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

class PageControl;
class QPainter;
class QToolButton;

// The tab strip of a PageControl: lays out, paints and hit-tests the tabs. One scrolling line
// gets two arrow buttons at its end when the tabs do not fit, and keeps the active tab in view
// (after a change of tabs, captions or size) until the user scrolls with the arrows. Each tab
// is as long as the style's own tab bar makes it for the caption. Hot tracking shows the tab
// under the mouse.
class TabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TabStrip(PageControl &owner);

    // Lays the tabs out along a strip of the given length; returns the thickness it needs.
    int arrange(int length);
    // The tab's rectangle in strip coordinates; empty when it is scrolled out of the line.
    QRect tabRect(int index) const;
    int tabAt(const QPoint &pos) const;
    int lineCount() const { return m_lineCount; }
    int firstShown() const { return m_firstShown; }
    bool canScroll() const { return m_scrolling; }
    // Scrolls a single line by whole tabs (the arrow buttons).
    void scrollBy(int tabs);

signals:
    void tabPressed(int index);
    void contextMenuRequested(int index, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int tabLength(int index) const;
    int lineThickness() const;
    void paintTab(QPainter &painter, int index);
    void paintOwnerDrawnCaption(QPainter &painter, int index, const QRect &rect);

    PageControl &m_owner;
    QList<QRect> m_rects;
    int m_lineCount = 0;
    int m_length = 0;
    int m_firstShown = 0;
    // What the line was last arranged for; the arrows' scrolling holds until one changes.
    int m_shownActive = -1;
    int m_shownCount = 0;
    int m_shownLength = 0;
    bool m_scrolledByUser = false;
    int m_hot = -1;
    bool m_scrolling = false;
    QToolButton *m_scrollBack;
    QToolButton *m_scrollOn;
};
