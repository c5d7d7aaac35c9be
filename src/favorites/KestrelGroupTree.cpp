#include "favorites/KestrelGroupTree.h"

#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {
const QString SiteMimeType = QStringLiteral("application/x-kestrel-group-site");
constexpr int DragThreshold = 2;
}

KestrelGroupTree::KestrelGroupTree(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setAutoExpandDelay(-1);
}

QTreeWidgetItem *KestrelGroupTree::groupOf(QTreeWidgetItem *node)
{
    while (node && node->parent())
        node = node->parent();
    return node;
}

bool KestrelGroupTree::dropSite(QTreeWidgetItem *site, QTreeWidgetItem *target)
{
    if (!site || isGroup(site) || !isGroup(target))
        return false;
    QTreeWidgetItem *from = site->parent();
    from->takeChild(from->indexOfChild(site));
    target->insertChild(0, site);
    return true;
}

void KestrelGroupTree::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    QTreeWidgetItem *node = itemAt(event->position().toPoint());
    m_dragStart.reset();
    if (event->buttons() == Qt::LeftButton && node && !isGroup(node) && node->isSelected())
        m_dragStart = event->position().toPoint();
}

void KestrelGroupTree::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragStart && event->buttons() == Qt::LeftButton &&
        (event->position().toPoint() - *m_dragStart).manhattanLength() >= DragThreshold) {
        m_dragStart.reset();
        startDrag(Qt::MoveAction);
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void KestrelGroupTree::startDrag(Qt::DropActions)
{
    QTreeWidgetItem *site = currentItem();
    if (!site || isGroup(site))
        return;
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setData(SiteMimeType, QByteArray());
    drag->setMimeData(data);
    drag->exec(Qt::MoveAction);
}

bool KestrelGroupTree::acceptsDrop(const QDropEvent *event) const
{
    return event->source() == this && event->mimeData()->hasFormat(SiteMimeType) &&
           isGroup(itemAt(event->position().toPoint()));
}

void KestrelGroupTree::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->source() == this && event->mimeData()->hasFormat(SiteMimeType))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KestrelGroupTree::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDrop(event))
        event->acceptProposedAction();
    else
        event->ignore();
}

void KestrelGroupTree::dropEvent(QDropEvent *event)
{
    QTreeWidgetItem *site = currentItem();
    QTreeWidgetItem *target = acceptsDrop(event) ? itemAt(event->position().toPoint()) : nullptr;
    if (!dropSite(site, target)) {
        event->ignore();
        return;
    }
    setCurrentItem(site);
    event->acceptProposedAction();
}

void KestrelGroupTree::keyPressEvent(QKeyEvent *event)
{
    if (state() != QAbstractItemView::EditingState) {
        if (event->key() == Qt::Key_Insert) {
            emit insertPressed();
            return;
        }
        if (event->key() == Qt::Key_Delete) {
            emit deletePressed();
            return;
        }
    }
    QTreeWidget::keyPressEvent(event);
}
