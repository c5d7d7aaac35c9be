#include "favorites/FavoritesAndGroups.h"

#include "browser/TKestrelWB.h"
#include "browser/tabs/TabSet.h"
#include "favorites/AddFavorite.h"
#include "favorites/FavoritesPanel.h"
#include "favorites/KestrelGroupCreator.h"
#include "favorites/KestrelGroupFile.h"
#include "favorites/KestrelGroupsMenu.h"
#include "favorites/TfrmAddFavorite.h"
#include "favorites/TfrmFavorites.h"
#include "favorites/TfrmKestrelGroups.h"
#include "favorites/import/BookmarkImport.h"
#include "favorites/import/BookmarkProfiles.h"
#include "favorites/import/TfrmImportBookmarks.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/Prompter.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>
#include <QUrl>

FavoritesAndGroups::FavoritesAndGroups(QMainWindow &window, SettingsStore &settings, Prompter &prompter,
                                       const QString &dataFolder, CommandRegistry &commands, TabSet &tabs,
                                       Navigate navigate, OpenFolder openFolder)
    : m_window(window), m_settings(settings), m_prompter(prompter), m_tabs(tabs),
      m_navigate(std::move(navigate)), m_openFolder(std::move(openFolder)), m_folder(settings),
      m_groupFile(dataFolder + QLatin1Char('/') + KestrelGroupFile::FileName), m_opener(tabs, prompter, m_groupFile)
{
    if (!m_openFolder)
        m_openFolder = [](const QString &folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };
    const auto folder = [this] { return m_folder.path(); };

    m_dropDown = new TfrmFavorites(folder, m_openFolder, &window);
    connect(m_dropDown, &TfrmFavorites::shortcutOpened, this, [this](const QString &address) { m_navigate(address); });
    connect(m_dropDown, &TfrmFavorites::addRequested, this, &FavoritesAndGroups::addToFavorites);
    connect(m_dropDown, &TfrmFavorites::importRequested, this, &FavoritesAndGroups::importBookmarks);

    m_panel = new FavoritesPanel(folder, window);
    connect(m_panel, &FavoritesPanel::shortcutOpened, this, [this](const QString &address) {
        m_navigate(address);
        m_dropDown->closeDropDown();
    });

    m_groupsMenu = new KestrelGroupsMenu(
        settings, m_groupFile,
        KestrelGroupsMenu::Handlers{[this] { manageGroups(); }, [this] { createGroupFromTabs(); },
                                    [this](const QString &name, bool closeOthers) { OpenKestrelGroup(name, closeOthers); }},
        &window);

    registerCommands(commands);
}

FavoritesAndGroups::~FavoritesAndGroups()
{
    // The windows belong to the main window; they go with this object, whose folder they read.
    delete m_groupsMenu;
    delete m_panel;
    delete m_dropDown;
}

void FavoritesAndGroups::registerCommands(CommandRegistry &commands)
{
    // Checked while the drop-down shows, so the menu bar knows it is open.
    if (Command *dropDown = commands.add(CommandIds::FavoritesDropDown, QStringLiteral("F&avorites"), QString(),
                                         QKeySequence(), [this] { tbFavoritesClick(); })) {
        dropDown->setCheckable(true);
        connect(m_dropDown, &TfrmFavorites::shownChanged, dropDown, &Command::setChecked);
    }
    Command *panel = commands.add(CommandIds::Favorites, QStringLiteral("&Favorites"), QStringLiteral("Favorites"),
                                  QKeySequence(Qt::Key_F1), [this] { Favorites1Click(); });
    if (panel) {
        panel->setCheckable(true);
        connect(m_panel, &FavoritesPanel::shownChanged, panel, &Command::setChecked);
    }
    Command *groups = commands.add(CommandIds::KestrelGroups, QStringLiteral("&Kestrel Groups"), QString(),
                                   QKeySequence(), [this] {
                                       const QRect button = controlRect(CommandIds::KestrelGroups);
                                       m_groupsMenu->popup(button.bottomLeft() + QPoint(0, 1));
                                   });
    if (groups)
        groups->setMenu(m_groupsMenu);
}

QRect FavoritesAndGroups::controlRect(const QString &commandId) const
{
    QToolButton *found = nullptr;
    for (QToolButton *button : m_window.findChildren<QToolButton *>()) {
        const QAction *action = button->defaultAction();
        if (!action || action->objectName() != commandId || !button->isVisible())
            continue;
        if (!found || button->underMouse())
            found = button;
    }
    if (!found) {
        // A menu-bar entry of the command.
        for (QMenuBar *bar : m_window.findChildren<QMenuBar *>()) {
            for (QAction *action : bar->actions()) {
                if (action->objectName() == commandId && bar->isVisible())
                    return QRect(bar->mapToGlobal(bar->actionGeometry(action).topLeft()), bar->actionGeometry(action).size());
            }
        }
        return QRect(m_window.mapToGlobal(QPoint(0, 0)), QSize(0, 0));
    }
    return QRect(found->mapToGlobal(QPoint(0, 0)), found->size());
}

void FavoritesAndGroups::tbFavoritesClick()
{
    if (m_dropDown->isVisible()) {
        m_dropDown->closeDropDown();
        return;
    }
    m_dropDown->dropDownUnder(controlRect(CommandIds::FavoritesDropDown));
}

void FavoritesAndGroups::Favorites1Click()
{
    if (m_panel->isHidden())
        m_panel->showPanel();
    else
        m_panel->closePanel();
}

void FavoritesAndGroups::addToFavorites()
{
    TKestrelWB *view = m_tabs.GetActiveBrowser();
    const QString address = view ? view->LocationURL() : QString();
    if (address.isEmpty()) {
        m_prompter.message(QStringLiteral("There is currently nothing to add"));
        return;
    }
    const QString favorites = m_folder.path();
    if (favorites.isEmpty()) {
        m_prompter.message(QStringLiteral("Favorites Unavailable"));
        return;
    }
    AddFavorite adder(m_prompter);
    TfrmAddFavorite dialog(adder, favorites, view->LocationName(), address, &m_window);
    dialog.exec();
}

void FavoritesAndGroups::OpenKestrelGroup(const QString &name, bool closeOthers)
{
    m_opener.OpenKestrelGroup(name, closeOthers);
}

void FavoritesAndGroups::createGroupFromTabs()
{
    KestrelGroupCreator(m_tabs, m_prompter, m_groupFile).create();
}

void FavoritesAndGroups::manageGroups()
{
    TfrmKestrelGroups::ask(m_settings, m_prompter, m_groupFile, &m_window);
}

void FavoritesAndGroups::importBookmarks()
{
    const QString favorites = m_folder.path();
    if (favorites.isEmpty()) {
        m_prompter.message(QStringLiteral("Favorites Unavailable"));
        return;
    }
    const std::optional<BookmarkProfile> profile =
        TfrmImportBookmarks::ask(m_prompter, BookmarkProfiles::find(QDir::homePath()), &m_window);
    if (profile)
        BookmarkImport(m_prompter).run(*profile, favorites);
}
