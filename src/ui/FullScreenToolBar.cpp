#include "ui/FullScreenToolBar.h"

#include "ui/ButtonBar.h"
#include "ui/CommandIds.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>

FullScreenToolBar::FullScreenToolBar(CommandRegistry &commands, QWidget *clientArea, QVBoxLayout *clientLayout)
    : QFrame(clientArea), m_clientArea(clientArea), m_clientLayout(clientLayout), m_mover(new QFrame(this)),
      m_buttons(new ButtonBar(commands, ChromeLayout::standardButtons(), ButtonBar::Drop::Arrow, this)),
      m_dockMenu(new QMenu(this))
{
    setObjectName(QStringLiteral("pnlToolBar"));
    setToolTip(QStringLiteral("Right Click For Docking Selection"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->setSpacing(0);
    layout->addSpacing(2);
    m_mover->setObjectName(QStringLiteral("pnlToolBarMover"));
    static_cast<QFrame *>(m_mover)->setFrameShape(QFrame::VLine);
    m_mover->setFixedWidth(4);
    m_mover->setCursor(Qt::SizeAllCursor);
    m_mover->installEventFilter(this);
    layout->addWidget(m_mover);
    m_buttons->setObjectName(QStringLiteral("ToolBarForFullscreen"));
    m_buttons->setMode(ButtonMode::IconsOnly);
    // The floating bar's favorites button is captioned "Favorites" and has no tooltip.
    m_buttons->setNoTooltip(CommandIds::Favorites);
    layout->addWidget(m_buttons);
    layout->addStretch();
    connect(m_buttons, &ButtonBar::rebuilt, this, [this] {
        if (QAction *favorites = m_buttons->findChild<QAction *>(CommandIds::Favorites))
            favorites->setText(QStringLiteral("Favorites"));
        if (m_dock == Dock::Floating)
            adjustSize();
    });
    emit m_buttons->rebuilt();

    m_dockMenu->setObjectName(QStringLiteral("PopupMenuFullScreenToolBar"));
    m_dockMenu->addAction(QStringLiteral("Dock to Top"), this, [this] { setDock(Dock::Top); });
    m_dockMenu->addAction(QStringLiteral("Dock to Bottom"), this, [this] { setDock(Dock::Bottom); });
    m_dockMenu->addAction(QStringLiteral("Undock"), this, [this] { setDock(Dock::Floating); });
    connect(m_dockMenu, &QMenu::aboutToShow, this, &FullScreenToolBar::updateDockMenu);
    hide();
}

void FullScreenToolBar::setDock(Dock dock)
{
    const QPoint floatingAt = pos();
    m_dock = dock;
    m_clientLayout->removeWidget(this);
    m_mover->setVisible(dock == Dock::Floating);
    if (dock == Dock::Floating) {
        adjustSize();
        move(floatingAt);
        raise();
        return;
    }
    if (dock == Dock::Top)
        m_clientLayout->insertWidget(0, this);
    else
        m_clientLayout->addWidget(this);
}

void FullScreenToolBar::updateDockMenu()
{
    const QList<QAction *> entries = m_dockMenu->actions();
    entries[0]->setEnabled(m_dock != Dock::Top);
    entries[1]->setEnabled(m_dock != Dock::Bottom);
    entries[2]->setEnabled(m_dock != Dock::Floating);
}

void FullScreenToolBar::pnlToolBarMoverMouseDown(QPoint point)
{
    m_pressPoint = point;
}

void FullScreenToolBar::pnlToolBarMoverMouseMove(QPoint point, Qt::MouseButtons buttons)
{
    if (buttons != Qt::LeftButton || m_dock != Dock::Floating)
        return;
    const int left = std::clamp(x() + point.x() - m_pressPoint.x(), 0, std::max(0, m_clientArea->width() - width()));
    const int top = std::clamp(y() + point.y() - m_pressPoint.y(), 0, std::max(0, m_clientArea->height() - height()));
    move(left, top);
}

bool FullScreenToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_mover)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
        pnlToolBarMoverMouseDown(mouse->position().toPoint());
    else if (event->type() == QEvent::MouseMove)
        pnlToolBarMoverMouseMove(mouse->position().toPoint(), mouse->buttons());
    else
        return false;
    return true;
}

void FullScreenToolBar::contextMenuEvent(QContextMenuEvent *event)
{
    m_dockMenu->popup(event->globalPos());
}
