#pragma once

#include "favorites/KestrelGroupOutline.h"

#include <QDialog>

class KestrelGroupTree;
class Prompter;
class QMenu;
class QPushButton;
class QToolButton;
class QTreeWidgetItem;
class SettingsStore;

// "Kestrel Group Management": the group file as a tree of groups and their sites, edited in
// place and written back whole when the window closes, by any means. Groups left without sites
// are dropped then; lines that an invalid level kept from being read are written back after
// the tree unchanged.
class TfrmKestrelGroups : public QDialog
{
    Q_OBJECT
public:
    TfrmKestrelGroups(SettingsStore &settings, Prompter &prompter, const QString &groupFile,
                      QWidget *parent = nullptr);

    // Creates the window, shows it modally and destroys it.
    static void ask(SettingsStore &settings, Prompter &prompter, const QString &groupFile, QWidget *parent);

    KestrelGroupTree *TreeView1() const { return m_tree; }
    QMenu *PopupMenuTree() const { return m_popup; }

    void addGroup();
    void addSite();
    void renameSelected();
    void deleteSelected();
    void moveUp();
    void moveDown();
    // "Set This to Default Group": the selected group, or the selected site's group.
    void setDefaultGroup();

    void done(int result) override;

private:
    void load();
    void addNodes(const QList<KestrelGroupOutline::Node> &nodes, QTreeWidgetItem *parent);
    QList<KestrelGroupOutline::Node> nodesOf(QTreeWidgetItem *parent) const;
    void decorate(QTreeWidgetItem *node);
    void markDefaultGroup();
    void nodeRenamed(QTreeWidgetItem *node);
    void editNode(QTreeWidgetItem *node);
    QTreeWidgetItem *selected() const;

    SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_groupFile;
    QString m_defaultGroup;
    QStringList m_unread;
    KestrelGroupTree *m_tree;
    QToolButton *m_moveUp;
    QToolButton *m_moveDown;
    QToolButton *m_delete;
    QToolButton *m_default;
    QPushButton *m_addGroup;
    QPushButton *m_addSite;
    QPushButton *m_ok;
    QMenu *m_popup;
    bool m_closed = false;
};
