#pragma once

#include <QTreeWidget>
#include <functional>

// A tree of the Favorites folder (the drop-down's TreeView1 and the side panel's TreeFav): the
// top level is listed on demand, a folder's branch is filled the first time it is clicked, and
// a clicked shortcut's address is handed on. Read-only, whole rows selected, the row under the
// mouse highlighted. The folder is asked for afresh at every use.
class FavoritesTree : public QTreeWidget
{
    Q_OBJECT
public:
    // Image indices: a folder, a selected folder, a shortcut.
    enum Image { FolderImage = 0, SelectedFolderImage = 1, ShortcutImage = 2 };

    FavoritesTree(std::function<QString()> favoritesFolder, QWidget *parent = nullptr);

    // Clears the tree and lists the top level of the Favorites folder.
    void mapFirstLevel();
    // Lists the folder as children of the node, unless it already has children.
    void mapDirToNode(const QString &folder, QTreeWidgetItem *node);
    // The captions from the top-level ancestor down to the node, joined with "/".
    static QString relativePath(const QTreeWidgetItem *node);
    static int imageIndex(const QTreeWidgetItem *node);

    // The click rule on a node: a shortcut whose file exists is opened, a folder's branch is
    // filled (first time only) and shown or folded.
    void nodeClicked(QTreeWidgetItem *node);

signals:
    // A shortcut was chosen; the address is as the file holds it.
    void shortcutOpened(const QString &address);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addEntries(const QString &folder, QTreeWidgetItem *parent);

    std::function<QString()> m_favoritesFolder;
    QIcon m_folderIcon;
    QIcon m_shortcutIcon;
};
