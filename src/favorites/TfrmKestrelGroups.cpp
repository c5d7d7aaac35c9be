#include "favorites/TfrmKestrelGroups.h"

#include "favorites/KestrelGroupFile.h"
#include "favorites/KestrelGroupTree.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "ui/CentreOnDesktop.h"
#include "ui/Prompter.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The text a node had before its label was edited, to tell a rename of the default group.
constexpr int NameRole = Qt::UserRole;
const QString NewGroupText = QStringLiteral("New Item");
const QString NewSiteText = QStringLiteral("http://");

QToolButton *toolButton(QWidget *parent, const QString &name, QStyle::StandardPixmap image, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(image));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}
}

TfrmKestrelGroups::TfrmKestrelGroups(SettingsStore &settings, Prompter &prompter, const QString &groupFile,
                                     QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_settings(settings), m_prompter(prompter), m_groupFile(groupFile)
{
    setWindowTitle(QStringLiteral("Kestrel Group Management"));
    setFixedSize(265, 431);

    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("Kestrel Groups"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    auto *tools = new QHBoxLayout;
    m_moveUp = toolButton(this, QStringLiteral("ToolButton1"), QStyle::SP_ArrowUp, QStringLiteral("Move Up"));
    m_moveDown = toolButton(this, QStringLiteral("ToolButton2"), QStyle::SP_ArrowDown, QStringLiteral("Move Down"));
    m_delete = toolButton(this, QStringLiteral("ToolButton3"), QStyle::SP_TrashIcon, QStringLiteral("Delete"));
    m_default = toolButton(this, QStringLiteral("ToolButton4"), QStyle::SP_DialogApplyButton,
                           QStringLiteral("Set This to Default Group"));
    for (QToolButton *button : {m_moveUp, m_moveDown, m_delete, m_default})
        tools->addWidget(button);
    tools->addStretch(1);
    layout->addLayout(tools);

    m_tree = new KestrelGroupTree(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_tree, 1);

    auto *buttons = new QHBoxLayout;
    m_addGroup = new QPushButton(QStringLiteral("Add &Group"), this);
    m_addGroup->setObjectName(QStringLiteral("Button5"));
    m_addSite = new QPushButton(QStringLiteral("Add &Site"), this);
    m_addSite->setObjectName(QStringLiteral("Button6"));
    m_addSite->setEnabled(false);
    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Button4"));
    m_ok->setDefault(true);
    for (QPushButton *button : {m_addGroup, m_addSite, m_ok})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenuTree"));
    m_popup->addAction(QStringLiteral("Add &Group"), this, &TfrmKestrelGroups::addGroup);
    m_popup->addAction(QStringLiteral("Add &Site"), this, &TfrmKestrelGroups::addSite);
    m_popup->addAction(QStringLiteral("&Delete"), this, &TfrmKestrelGroups::deleteSelected);
    m_popup->addAction(QStringLiteral("&Rename / Modify"), this, &TfrmKestrelGroups::renameSelected);
    m_popup->addSeparator();
    m_popup->addAction(QStringLiteral("Set This to &Default Group"), this, &TfrmKestrelGroups::setDefaultGroup);

    connect(m_moveUp, &QToolButton::clicked, this, &TfrmKestrelGroups::moveUp);
    connect(m_moveDown, &QToolButton::clicked, this, &TfrmKestrelGroups::moveDown);
    connect(m_delete, &QToolButton::clicked, this, &TfrmKestrelGroups::deleteSelected);
    connect(m_default, &QToolButton::clicked, this, &TfrmKestrelGroups::setDefaultGroup);
    connect(m_addGroup, &QPushButton::clicked, this, &TfrmKestrelGroups::addGroup);
    connect(m_addSite, &QPushButton::clicked, this, &TfrmKestrelGroups::addSite);
    connect(m_ok, &QPushButton::clicked, this, &TfrmKestrelGroups::accept);
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popup->popup(m_tree->viewport()->mapToGlobal(pos)); });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, [this] {
        QTreeWidgetItem *node = selected();
        m_addSite->setEnabled(node != nullptr);
        if (node)
            node->setExpanded(true);
    });
    connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *node) { nodeRenamed(node); });
    connect(m_tree, &KestrelGroupTree::insertPressed, this, [this] {
        QTreeWidgetItem *node = selected();
        if (!node || KestrelGroupTree::isGroup(node))
            addGroup();
        else
            addSite();
    });
    connect(m_tree, &KestrelGroupTree::deletePressed, this, [this] {
        if (selected())
            deleteSelected();
    });

    m_defaultGroup = m_settings.readString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey);
    load();
}

void TfrmKestrelGroups::ask(SettingsStore &settings, Prompter &prompter, const QString &groupFile, QWidget *parent)
{
    TfrmKestrelGroups window(settings, prompter, groupFile, parent);
    centreOnDesktop(&window);
    window.exec();
}

void TfrmKestrelGroups::load()
{
    const std::optional<QStringList> lines =
        QFileInfo(m_groupFile).isFile() ? TextFile::readLines(m_groupFile) : std::nullopt;
    if (!lines) {
        m_prompter.message(QStringLiteral("Cannot open file ") + m_groupFile);
        return;
    }
    const KestrelGroupOutline::Loaded loaded = KestrelGroupOutline::read(*lines);
    const QSignalBlocker quiet(m_tree);
    addNodes(loaded.nodes, nullptr);
    m_unread = loaded.unread;
    markDefaultGroup();
    if (loaded.error)
        m_prompter.message(*loaded.error);
}

void TfrmKestrelGroups::addNodes(const QList<KestrelGroupOutline::Node> &nodes, QTreeWidgetItem *parent)
{
    for (const KestrelGroupOutline::Node &node : nodes) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, node.text);
        decorate(item);
        addNodes(node.children, item);
    }
}

void TfrmKestrelGroups::decorate(QTreeWidgetItem *node)
{
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    node->setData(0, NameRole, node->text(0));
    if (KestrelGroupTree::isGroup(node))
        node->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
}

QList<KestrelGroupOutline::Node> TfrmKestrelGroups::nodesOf(QTreeWidgetItem *parent) const
{
    QList<KestrelGroupOutline::Node> nodes;
    const int count = parent ? parent->childCount() : m_tree->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem *item = parent ? parent->child(i) : m_tree->topLevelItem(i);
        nodes.append(KestrelGroupOutline::Node{item->text(0), nodesOf(item)});
    }
    return nodes;
}

void TfrmKestrelGroups::markDefaultGroup()
{
    const QSignalBlocker quiet(m_tree);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = m_tree->topLevelItem(i);
        QFont font = group->font(0);
        font.setBold(!m_defaultGroup.isEmpty() && KestrelGroupFile::sameName(group->text(0), m_defaultGroup));
        group->setFont(0, font);
    }
}

QTreeWidgetItem *TfrmKestrelGroups::selected() const
{
    const QList<QTreeWidgetItem *> items = m_tree->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void TfrmKestrelGroups::editNode(QTreeWidgetItem *node)
{
    m_tree->setCurrentItem(node);
    m_tree->scrollToItem(node);
    m_tree->editItem(node);
}

void TfrmKestrelGroups::addGroup()
{
    m_tree->setFocus();
    auto *group = new QTreeWidgetItem(m_tree, QStringList{NewGroupText});
    {
        const QSignalBlocker quiet(m_tree);
        decorate(group);
    }
    editNode(group);
}

void TfrmKestrelGroups::addSite()
{
    QTreeWidgetItem *target = KestrelGroupTree::groupOf(selected());
    if (!target)
        target = KestrelGroupTree::groupOf(m_tree->itemAt(0, 0));
    if (!target)
        return;
    m_tree->setFocus();
    auto *site = new QTreeWidgetItem(target, QStringList{NewSiteText});
    {
        const QSignalBlocker quiet(m_tree);
        decorate(site);
    }
    target->setExpanded(true);
    editNode(site);
}

void TfrmKestrelGroups::renameSelected()
{
    if (QTreeWidgetItem *node = selected())
        m_tree->editItem(node);
}

void TfrmKestrelGroups::deleteSelected()
{
    QTreeWidgetItem *node = selected();
    if (!node)
        return;
    const QString question =
        KestrelGroupTree::isGroup(node)
            ? QStringLiteral("Are you sure you want to delete the group \"") + node->text(0) +
                  QStringLiteral("\" and all of its contents?")
            : QStringLiteral("Are you sure you want to delete the item \"") + node->text(0) + QStringLiteral("\"?");
    if (m_prompter.question(question) == Prompter::Answer::Yes)
        delete node;
}

void TfrmKestrelGroups::moveUp()
{
    QTreeWidgetItem *node = selected();
    if (!node)
        return;
    QTreeWidgetItem *parent = node->parent();
    const int index = parent ? parent->indexOfChild(node) : m_tree->indexOfTopLevelItem(node);
    if (index <= 0)
        return;
    const bool expanded = node->isExpanded();
    if (parent) {
        parent->insertChild(index - 1, parent->takeChild(index));
    } else {
        m_tree->insertTopLevelItem(index - 1, m_tree->takeTopLevelItem(index));
    }
    node->setExpanded(expanded);
    m_tree->setCurrentItem(node);
}

void TfrmKestrelGroups::moveDown()
{
    QTreeWidgetItem *node = selected();
    if (!node)
        return;
    QTreeWidgetItem *parent = node->parent();
    const int index = parent ? parent->indexOfChild(node) : m_tree->indexOfTopLevelItem(node);
    const int count = parent ? parent->childCount() : m_tree->topLevelItemCount();
    if (index < 0 || index + 1 >= count)
        return;
    const bool expanded = node->isExpanded();
    if (parent) {
        parent->insertChild(index + 1, parent->takeChild(index));
    } else {
        m_tree->insertTopLevelItem(index + 1, m_tree->takeTopLevelItem(index));
    }
    node->setExpanded(expanded);
    m_tree->setCurrentItem(node);
}

void TfrmKestrelGroups::setDefaultGroup()
{
    QTreeWidgetItem *group = KestrelGroupTree::groupOf(selected());
    if (!group)
        return;
    m_defaultGroup = group->text(0);
    m_settings.writeString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey, m_defaultGroup);
    markDefaultGroup();
}

void TfrmKestrelGroups::nodeRenamed(QTreeWidgetItem *node)
{
    const QString before = node->data(0, NameRole).toString();
    const QString after = node->text(0);
    if (before == after)
        return;
    {
        const QSignalBlocker quiet(m_tree);
        node->setData(0, NameRole, after);
    }
    // Renaming the default group renames the setting with it.
    if (KestrelGroupTree::isGroup(node) && !m_defaultGroup.isEmpty() &&
        KestrelGroupFile::sameName(before, m_defaultGroup)) {
        m_defaultGroup = after;
        m_settings.writeString(SettingsStore::MainSection, KestrelGroupFile::DefaultGroupKey, after);
    }
}

void TfrmKestrelGroups::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i) {
            if (m_tree->topLevelItem(i)->childCount() == 0)
                delete m_tree->takeTopLevelItem(i);
        }
        const QStringList lines = KestrelGroupOutline::write(nodesOf(nullptr)) + m_unread;
        if (!TextFile::writeLines(m_groupFile, lines))
            m_prompter.message(QStringLiteral("Cannot write file ") + m_groupFile);
    }
    QDialog::done(result);
}
