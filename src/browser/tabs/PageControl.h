#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class TabStrip;

// The tab set widget: a strip of captioned tabs on one side and the pages, one shown at a time.
// Tabs run in one scrolling line or in as many lines as they need, on top, at the bottom or on
// either side (side tabs always take as many lines as they need). Captions may be drawn by the
// control itself (top and bottom only). A page is added hidden and shows only when activated;
// deleting a page takes its tab away, and deleting the active page leaves no page active until
// another is activated.
class PageControl : public QWidget
{
    Q_OBJECT
public:
    enum class TabPosition { Top, Bottom, Left, Right };

    explicit PageControl(QWidget *parent = nullptr);
    ~PageControl() override;

    int count() const { return static_cast<int>(m_entries.size()); }
    QWidget *page(int index) const;
    int indexOf(const QWidget *page) const;
    // Appends a page; the control takes it as a child.
    void addPage(QWidget *page);

    int activeIndex() const { return m_active; }
    QWidget *activePage() const { return page(m_active); }
    // Shows the page at the index and reports it with pageShown; the active page or an index
    // out of range changes nothing.
    void setActiveIndex(int index);
    // While held (holds nest), activating a page makes it the active one and reports it, but
    // leaves the shown page on the screen; the last release shows the page active by then. Work
    // that opens or walks through many tabs at once so never shows, and never has the engine
    // draw, the pages in between.
    void holdShowing();
    void releaseShowing();
    // Moves a page to another place; the active page stays active.
    void movePage(int from, int to);

    QString caption(int index) const;
    void setCaption(int index, const QString &caption);

    bool multiLine() const { return m_multiLine; }
    void setMultiLine(bool multiLine);
    TabPosition tabPosition() const { return m_position; }
    void setTabPosition(TabPosition position);
    bool ownerDraw() const { return m_ownerDraw; }
    void setOwnerDraw(bool ownerDraw);
    bool isVertical() const { return m_position == TabPosition::Left || m_position == TabPosition::Right; }

    TabStrip *tabStrip() const { return m_strip; }

signals:
    // A page became the shown one.
    void pageShown(int index);
    // The user asked for the context menu of a tab (-1: the strip beside the tabs).
    void tabContextMenuRequested(int index, const QPoint &globalPos);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Entry
    {
        QWidget *page;
        QString caption;
    };

    void pageDestroyed(QObject *page);
    void relayout();
    void showActivePage();

    QList<Entry> m_entries;
    int m_active = -1;
    QWidget *m_shown = nullptr;
    int m_showingHolds = 0;
    bool m_multiLine = false;
    TabPosition m_position = TabPosition::Top;
    bool m_ownerDraw = false;
    TabStrip *m_strip;
    QWidget *m_pageArea;
};
