#include "browser/tabs/BrowserTab.h"

#include "browser/TKestrelWB.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QVBoxLayout>

BrowserTab::BrowserTab(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

TKestrelWB *BrowserTab::browser() const
{
    return findChild<TKestrelWB *>(QString(), Qt::FindDirectChildrenOnly);
}

void BrowserTab::setBrowser(TKestrelWB *view)
{
    layout()->addWidget(view);
}

void BrowserTab::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_popupMenu)
        m_popupMenu->popup(event->globalPos());
}
