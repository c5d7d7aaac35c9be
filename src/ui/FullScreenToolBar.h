#pragma once

#include <QFrame>
#include <QPoint>

class ButtonBar;
class CommandRegistry;
class QMenu;
class QVBoxLayout;

// The floating tool bar pnlToolBar of full-screen mode: a spacer, the grip pnlToolBarMover and
// the buttons ToolBarForFullscreen, which run the standard buttons' commands. It is docked at
// the top or bottom of the client area or floats over it, dragged by its grip and kept inside.
class FullScreenToolBar : public QFrame
{
    Q_OBJECT
public:
    // The stored "FullScreenToolBarAlign" values.
    enum class Dock { Floating = 0, Top = 1, Bottom = 2 };

    // clientLayout lays out the client area: the bar docks as its first or last item.
    FullScreenToolBar(CommandRegistry &commands, QWidget *clientArea, QVBoxLayout *clientLayout);

    Dock dock() const { return m_dock; }
    void setDock(Dock dock);

    QWidget *pnlToolBarMover() const { return m_mover; }
    ButtonBar *ToolBarForFullscreen() const { return m_buttons; }
    QMenu *PopupMenuFullScreenToolBar() const { return m_dockMenu; }

    // The grip: a left-button press records the point; moving with only the left button down
    // moves the bar by the distance from it, kept inside the client area. Points are the grip's.
    void pnlToolBarMoverMouseDown(QPoint point);
    void pnlToolBarMoverMouseMove(QPoint point, Qt::MouseButtons buttons);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void updateDockMenu();

    QWidget *m_clientArea;
    QVBoxLayout *m_clientLayout;
    QWidget *m_mover;
    ButtonBar *m_buttons;
    QMenu *m_dockMenu;
    Dock m_dock = Dock::Floating;
    QPoint m_pressPoint;
};
