#pragma once

#include <QObject>

class CommandRegistry;
class QMenu;
class QWidget;
class TabCommands;
class TabSet;

// The menus of the tab set: the popup of every tab sheet, the Tabs menu listing the tabs, and
// the "&Browser Tabs" submenu of the View menu. Entries run the registry's commands; the check
// marks of the arrangement entries are set as each menu opens.
class TabMenus : public QObject
{
    Q_OBJECT
public:
    // The menus are children of menuParent.
    TabMenus(CommandRegistry &commands, TabCommands &tabCommands, TabSet &tabs, QWidget *menuParent);

    QMenu *PopupMenuTabSheet() const { return m_sheetMenu; }
    QMenu *PopupMenuTabs() const { return m_tabsMenu; }
    QMenu *BrowserTabs() const { return m_browserTabsMenu; }
    // "Arrange &Browser Tabs" of the sheet popup menu.
    QMenu *ArrangeBrowserTabs() const { return m_arrangeMenu; }

    // The Tabs menu opens: its first three entries stay, the rest become one entry per tab.
    void PopupMenuTabsPopup();

private:
    void addArrangementEntries(QMenu *menu, bool accelerators);

    CommandRegistry &m_commands;
    TabCommands &m_tabCommands;
    TabSet &m_tabs;
    QMenu *m_sheetMenu;
    QMenu *m_tabsMenu;
    QMenu *m_browserTabsMenu;
    QMenu *m_arrangeMenu;
};
