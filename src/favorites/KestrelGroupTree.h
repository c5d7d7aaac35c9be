#pragma once

#include <QTreeWidget>
#include <optional>

// The manager's group tree TreeView1: top-level nodes are groups, their children sites. A site
// can be dragged onto a group, where it becomes the group's first site; a drop anywhere else
// is refused. A drag starts once the mouse moved 2 pixels with the left button alone held
// down on a selected site.
class KestrelGroupTree : public QTreeWidget
{
    Q_OBJECT
public:
    explicit KestrelGroupTree(QWidget *parent = nullptr);

    static bool isGroup(const QTreeWidgetItem *node) { return node && !node->parent(); }
    // The group of a node: itself for a group, its top-level ancestor for a site.
    static QTreeWidgetItem *groupOf(QTreeWidgetItem *node);
    // Moves the site to the front of the group's sites; false (and nothing moved) unless the
    // site is a site and the target a group.
    static bool dropSite(QTreeWidgetItem *site, QTreeWidgetItem *target);

signals:
    // Insert and Delete pressed while no label is being edited.
    void insertPressed();
    void deletePressed();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool acceptsDrop(const QDropEvent *event) const;

    // Where the left button went down on a selected site, when it did.
    std::optional<QPoint> m_dragStart;
};
