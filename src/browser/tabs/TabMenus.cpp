#include "browser/tabs/TabMenus.h"

#include "browser/tabs/TabCommands.h"
#include "browser/tabs/TabSet.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QAction>
#include <QMenu>

namespace {
constexpr int FixedTabsMenuEntries = 3;
}

TabMenus::TabMenus(CommandRegistry &commands, TabCommands &tabCommands, TabSet &tabs, QWidget *menuParent)
    : m_commands(commands), m_tabCommands(tabCommands), m_tabs(tabs),
      m_sheetMenu(new QMenu(menuParent)),
      m_tabsMenu(new QMenu(QStringLiteral("&Tabs"), menuParent)),
      m_browserTabsMenu(new QMenu(QStringLiteral("&Browser Tabs"), menuParent))
{
    m_sheetMenu->setObjectName(QStringLiteral("PopupMenuTabSheet"));
    m_sheetMenu->addAction(m_commands.createAction(CommandIds::CloseTab, m_sheetMenu, QStringLiteral("&Close Top Page")));
    m_sheetMenu->addAction(m_commands.createAction(CommandIds::NewTab, m_sheetMenu, QStringLiteral("&New Page")));
    m_arrangeMenu = m_sheetMenu->addMenu(QStringLiteral("Arrange &Browser Tabs"));
    addArrangementEntries(m_arrangeMenu, false);
    connect(m_sheetMenu, &QMenu::aboutToShow, this, [this] { m_tabCommands.updateArrangementState(); });

    addArrangementEntries(m_browserTabsMenu, true);
    connect(m_browserTabsMenu, &QMenu::aboutToShow, this, [this] { m_tabCommands.updateArrangementState(); });

    m_tabsMenu->setObjectName(QStringLiteral("PopupMenuTabs"));
    m_tabsMenu->addAction(
        m_commands.createAction(CommandIds::CloseTab, m_tabsMenu, QStringLiteral("&Close Visible Browser Tab")));
    m_tabsMenu->addAction(m_commands.createAction(CommandIds::CloseAllTabs, m_tabsMenu));
    m_tabsMenu->addSeparator();
    connect(m_tabsMenu, &QMenu::aboutToShow, this, &TabMenus::PopupMenuTabsPopup);
}

void TabMenus::addArrangementEntries(QMenu *menu, bool accelerators)
{
    const auto add = [&](const QString &id, const QString &caption) {
        menu->addAction(m_commands.createAction(id, menu, accelerators ? QLatin1Char('&') + caption : caption));
    };
    add(CommandIds::SingleLine, QStringLiteral("Single Line"));
    add(CommandIds::MultiLine, QStringLiteral("Multi Line"));
    menu->addSeparator();
    add(CommandIds::TabTop, QStringLiteral("Top"));
    add(CommandIds::TabBottom, QStringLiteral("Bottom"));
    add(CommandIds::TabLeft, QStringLiteral("Left"));
    add(CommandIds::TabRight, QStringLiteral("Right"));
}

void TabMenus::PopupMenuTabsPopup()
{
    const QList<QAction *> entries = m_tabsMenu->actions();
    for (qsizetype i = FixedTabsMenuEntries; i < entries.size(); ++i)
        delete entries[i];
    for (const TabSet::TabMenuEntry &entry : m_tabs.tabMenuEntries()) {
        QAction *action = m_tabsMenu->addAction(entry.caption);
        action->setData(entry.index);
        action->setCheckable(true);
        action->setChecked(entry.checked);
        const int index = entry.index;
        connect(action, &QAction::triggered, this, [this, index] { m_tabs.SelectTab(index); });
    }
}
