#pragma once

#include "favorites/FavoritesFolder.h"
#include "favorites/KestrelGroupOpener.h"

#include <QObject>
#include <functional>

class CommandRegistry;
class FavoritesPanel;
class KestrelGroupsMenu;
class Prompter;
class QMainWindow;
class SettingsStore;
class TabSet;
class TfrmFavorites;

// Favorites and Kestrel Groups in the main window: the favorites drop-down (command
// FavoritesDropDown), the side panel (command Favorites, View "&Favorites" F1), the groups
// menu carried by the KestrelGroups command, the group manager, creating a group from the open
// tabs, adding a favorite and importing other browsers' bookmarks.
class FavoritesAndGroups : public QObject
{
    Q_OBJECT
public:
    using Navigate = std::function<void(const QString &address)>;
    using OpenFolder = std::function<void(const QString &folder)>;

    // navigate: NavigateActiveBrowser. openFolder: shows a folder in the desktop's file
    // manager (the desktop's own handler when empty).
    FavoritesAndGroups(QMainWindow &window, SettingsStore &settings, Prompter &prompter, const QString &dataFolder,
                       CommandRegistry &commands, TabSet &tabs, Navigate navigate, OpenFolder openFolder = {});
    ~FavoritesAndGroups() override;

    TfrmFavorites *frmFavorites() const { return m_dropDown; }
    FavoritesPanel *pnlFavorites() const { return m_panel; }
    KestrelGroupsMenu *PopupMenuKestrelGroups() const { return m_groupsMenu; }
    QString groupFile() const { return m_groupFile; }

    // The drop-down under its menu-bar button (or hidden again when it is open).
    void tbFavoritesClick();
    // The side panel shown, or closed when it is open.
    void Favorites1Click();
    // "Add to Favorites" for the page of the active tab.
    void addToFavorites();
    void OpenKestrelGroup(const QString &name, bool closeOthers);
    void createGroupFromTabs();
    void manageGroups();
    void importBookmarks();

private:
    void registerCommands(CommandRegistry &commands);
    // Where a control of the command sits on the screen: the visible tool button that runs it
    // (the one under the mouse first); an empty rectangle at the window's top left without one.
    QRect controlRect(const QString &commandId) const;

    QMainWindow &m_window;
    SettingsStore &m_settings;
    Prompter &m_prompter;
    TabSet &m_tabs;
    Navigate m_navigate;
    OpenFolder m_openFolder;
    FavoritesFolder m_folder;
    QString m_groupFile;
    KestrelGroupOpener m_opener;
    TfrmFavorites *m_dropDown;
    FavoritesPanel *m_panel;
    KestrelGroupsMenu *m_groupsMenu;
};
