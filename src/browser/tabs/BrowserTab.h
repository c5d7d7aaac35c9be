#pragma once

#include <QWidget>

class QMenu;
class TKestrelWB;

// One tab sheet of the tab set: it owns its browser view, which fills it, and remembers whether
// the view's history can go back and forward. Freeing the sheet frees the view.
class BrowserTab : public QWidget
{
    Q_OBJECT
public:
    explicit BrowserTab(QWidget *parent = nullptr);

    // The sheet's browser view, or null once it has been freed.
    TKestrelWB *browser() const;
    // Parents the view to the sheet and makes it fill it.
    void setBrowser(TKestrelWB *view);

    QMenu *popupMenu() const { return m_popupMenu; }
    void setPopupMenu(QMenu *menu) { m_popupMenu = menu; }

    // The address the tab was opened on, which stands for its location until the view has one.
    QString OpenedAddress;
    bool BackAvailable = false;
    bool ForwardAvailable = false;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QMenu *m_popupMenu = nullptr;
};
