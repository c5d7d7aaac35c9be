#include "favorites/FavoritesTree.h"

#include "favorites/FavoritesListing.h"
#include "favorites/ShortcutFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

namespace {
constexpr int ImageRole = Qt::UserRole;

QIcon folderIcon()
{
    // A selected folder shows the open-folder image.
    QStyle *style = QApplication::style();
    QIcon icon = style->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
    for (const QSize &size : open.availableSizes())
        icon.addPixmap(open.pixmap(size), QIcon::Selected);
    return icon;
}
}

FavoritesTree::FavoritesTree(std::function<QString()> favoritesFolder, QWidget *parent)
    : QTreeWidget(parent), m_favoritesFolder(std::move(favoritesFolder)), m_folderIcon(folderIcon()),
      m_shortcutIcon(QApplication::style()->standardIcon(QStyle::SP_FileLinkIcon))
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setExpandsOnDoubleClick(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *node) { nodeClicked(node); });
}

int FavoritesTree::imageIndex(const QTreeWidgetItem *node)
{
    return node->data(0, ImageRole).toInt();
}

QString FavoritesTree::relativePath(const QTreeWidgetItem *node)
{
    QString path = node->text(0);
    for (const QTreeWidgetItem *up = node->parent(); up; up = up->parent())
        path = up->text(0) + QLatin1Char('/') + path;
    return path;
}

void FavoritesTree::addEntries(const QString &folder, QTreeWidgetItem *parent)
{
    const QList<FavoritesEntry> entries = FavoritesListing::list(folder);
    QList<QTreeWidgetItem *> items;
    items.reserve(entries.size());
    for (const FavoritesEntry &entry : entries) {
        auto *item = new QTreeWidgetItem(QStringList{entry.caption});
        item->setData(0, ImageRole, entry.folder ? FolderImage : ShortcutImage);
        item->setIcon(0, entry.folder ? m_folderIcon : m_shortcutIcon);
        items.append(item);
    }
    if (parent)
        parent->addChildren(items);
    else
        addTopLevelItems(items);
}

void FavoritesTree::mapFirstLevel()
{
    if (topLevelItemCount() > 0)
        clear();
    addEntries(m_favoritesFolder(), nullptr);
}

void FavoritesTree::mapDirToNode(const QString &folder, QTreeWidgetItem *node)
{
    if (node->childCount() > 0)
        return;
    addEntries(folder, node);
}

void FavoritesTree::nodeClicked(QTreeWidgetItem *node)
{
    if (!node)
        return;
    const QString folder = m_favoritesFolder();
    if (folder.isEmpty())
        return;
    const QString path = folder + QLatin1Char('/') + relativePath(node);
    if (imageIndex(node) == ShortcutImage) {
        const QString file = path + QStringLiteral(".url");
        if (QFileInfo::exists(file))
            emit shortcutOpened(ShortcutFile::address(file));
        return;
    }
    const bool filled = node->childCount() > 0;
    mapDirToNode(path, node);
    node->setExpanded(!filled || !node->isExpanded());
}

void FavoritesTree::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        nodeClicked(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
