// The window chrome's menus: the menu bar and its menus from the layout table, the band menus
// and the window sizes.
#include "shell/Workspace.h"
#include "ui/ButtonBar.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/CoolBar.h"
#include "ui/WindowChrome.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <functional>

namespace {
using ChromeLayout::MenuItem;

struct BandEntry
{
    const char *popupCaption;
    const char *viewCaption;
    const QString &band;
};

// The entries of the band menu and of "&Toolbars", by tag.
const BandEntry bandEntries[] = {
    {"Kestrel Tools Bar", "&Kestrel Tools Bar", WindowChrome::KestrelToolsBand},
    {"Quick Quote Bar", "Quick &Quote Bar", WindowChrome::QuickQuoteBand},
    {"Quick Search Bar", "Quick &Search Bar", WindowChrome::QuickSearchBand},
    {"Address Bar", "&Address Bar", WindowChrome::AddressBand},
    {"Standard Buttons", "Standard &Buttons", WindowChrome::ToolbarBand},
};

struct WindowSize
{
    const char *caption;
    int width;
    int height;
};

const WindowSize windowSizes[] = {
    {"640 X 480", 640, 480},     {"800 X 600", 800, 600},     {"1024 X 768", 1024, 768},
    {"1152 X 864", 1152, 864},   {"1280 X 1024", 1280, 1024}, {"1600 X 1200", 1600, 1200},
    {"1920 X 1080", 1920, 1080}, {"1920 X 1200", 1920, 1200},
};

const QString TextAndIcons = QStringLiteral("TextAndIcons");
const QString IconsOnly = QStringLiteral("IconsOnly");
const QString TextOnly = QStringLiteral("TextOnly");
}

void WindowChrome::createBandMenus()
{
    m_bandMenu->setObjectName(QStringLiteral("PopupMenuCoolbarView"));
    m_toolbarsMenu->setObjectName(QStringLiteral("Toolbars1"));
    int tag = 0;
    for (const BandEntry &entry : bandEntries) {
        for (QMenu *menu : {m_bandMenu, m_toolbarsMenu}) {
            QAction *action = menu->addAction(
                QString::fromUtf8(menu == m_bandMenu ? entry.popupCaption : entry.viewCaption));
            action->setCheckable(true);
            action->setData(tag);
            const QString &band = entry.band;
            connect(action, &QAction::triggered, this, [this, band](bool checked) {
                m_coolBar->setBandVisible(band, checked);
            });
        }
        ++tag;
    }
    for (QMenu *menu : {m_bandMenu, m_toolbarsMenu}) {
        const bool view = menu == m_toolbarsMenu;
        menu->addSeparator();
        auto *group = new QActionGroup(menu);
        const auto addMode = [&](const QString &name, const char *caption, std::function<void()> choose) {
            QAction *action = menu->addAction(QString::fromUtf8(caption));
            action->setCheckable(true);
            action->setActionGroup(group);
            action->setObjectName(name);
            connect(action, &QAction::triggered, this, std::move(choose));
            return action;
        };
        addMode(TextAndIcons, view ? "&Text and Icons" : "Text and Icons", [this] { SetButtonMode(ButtonMode::Normal); });
        addMode(IconsOnly, view ? "&Icons Only" : "Icons Only", [this] {
            SetButtonMode(ButtonMode::Normal);
            SetButtonMode(ButtonMode::IconsOnly);
        });
        if (view)
            addMode(TextOnly, "&Text Only", [this] { SetButtonMode(ButtonMode::TextOnly); })->setVisible(false);
        connect(menu, &QMenu::aboutToShow, this, &WindowChrome::updateBandMenuState);
    }
}

void WindowChrome::updateBandMenuState()
{
    for (QMenu *menu : {m_bandMenu, m_toolbarsMenu}) {
        for (QAction *action : menu->actions()) {
            if (action->data().isValid()) {
                const QString &band = bandEntries[action->data().toInt()].band;
                action->setVisible(m_coolBar->hasBand(band));
                action->setChecked(m_coolBar->isBandVisible(band));
            } else if (!action->objectName().isEmpty()) {
                const ButtonMode mode = m_toolBar2->mode();
                action->setChecked((action->objectName() == TextAndIcons && mode == ButtonMode::Normal)
                                   || (action->objectName() == IconsOnly && mode == ButtonMode::IconsOnly)
                                   || (action->objectName() == TextOnly && mode == ButtonMode::TextOnly));
            }
        }
    }
}

void WindowChrome::createWindowSizeMenu()
{
    m_windowSizeMenu->setObjectName(QStringLiteral("WindowSize1"));
    int tag = 1;
    for (const WindowSize &size : windowSizes) {
        QAction *action = m_windowSizeMenu->addAction(QString::fromUtf8(size.caption));
        action->setData(tag++);
        const int width = size.width;
        const int height = size.height;
        connect(action, &QAction::triggered, this, [this, width, height] { SetWindowSize(width, height); });
    }
}

QMenu *WindowChrome::providedMenu(const QString &name) const
{
    if (name == ChromeLayout::ToolbarsMenu)
        return m_toolbarsMenu;
    if (name == ChromeLayout::WindowSizeMenu)
        return m_windowSizeMenu;
    if (name == ChromeLayout::BrowserTabsMenu)
        return m_services.browserTabsMenu;
    if (name == ChromeLayout::TabsMenu)
        return m_services.tabsMenu;
    return nullptr;
}

void WindowChrome::rebuildMenus()
{
    m_menuBar->clear();
    const QList<MenuItem> &items = ChromeLayout::menuBar();
    qsizetype at = 0;
    while (at < items.size())
        addMenuBarItem(items, at);
}

void WindowChrome::commandAdded(Command *command)
{
    // A menu given to the command later shows from then on.
    connect(command, &Command::stateChanged, this, [this, command, menu = QPointer<QMenu>(command->menu())]() mutable {
        if (command->menu() == menu)
            return;
        menu = command->menu();
        rebuildMenus();
    });
    const QList<MenuItem> &items = ChromeLayout::menuBar();
    qsizetype menuStart = -1;
    int depth = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const MenuItem &item = items[i];
        if (item.kind == MenuItem::Submenu && depth++ == 0)
            menuStart = i + 1;
        else if (item.kind == MenuItem::End)
            --depth;
        if (item.id != command->id())
            continue;
        QMenu *menu = depth > 0 ? m_menus.value(items[menuStart - 1].caption) : nullptr;
        // A menu already on the bar only takes the entry; anything else changes the bar.
        if (menu && m_menuBar->actions().contains(menu->menuAction()))
            refillMenu(menu, menuStart);
        else
            rebuildMenus();
        return;
    }
}

bool WindowChrome::refillMenu(QMenu *menu, qsizetype at)
{
    menu->clear();
    // Its submenus are its children; the menus of commands and of the tab set are not.
    qDeleteAll(menu->findChildren<QMenu *>(Qt::FindDirectChildrenOnly));
    return fillMenu(menu, ChromeLayout::menuBar(), at);
}

void WindowChrome::addMenuBarItem(const QList<MenuItem> &items, qsizetype &at)
{
    const MenuItem &item = items[at++];
    Command *command = item.id.isEmpty() ? nullptr : m_commands.find(item.id);
    switch (item.kind) {
    case MenuItem::Submenu: {
        QMenu *menu = m_menus.value(item.caption);
        if (!menu) {
            menu = new QMenu(item.caption, &m_window);
            m_menus.insert(item.caption, menu);
            if (item.caption == QLatin1String("&View"))
                connect(menu, &QMenu::aboutToShow, this, &WindowChrome::PopupMenuViewPopup);
            else if (item.caption == QLatin1String("&Options"))
                connect(menu, &QMenu::aboutToShow, this, [this] {
                    m_commands.find(CommandIds::SaveWorkspace)->setChecked(m_services.workspace.saveWorkspace());
                });
        }
        const qsizetype start = at;
        // Past the menu's items to the next item of the bar.
        for (int depth = 1; depth > 0; ++at)
            depth += items[at].kind == MenuItem::Submenu ? 1 : items[at].kind == MenuItem::End ? -1 : 0;
        if (refillMenu(menu, start))
            m_menuBar->addMenu(menu);
        return;
    }
    case MenuItem::Entry:
        if (command)
            m_menuBar->addAction(m_commands.createAction(item.id, m_menuBar, item.caption));
        return;
    case MenuItem::CommandMenu:
        if (command && command->menu()) {
            command->menu()->setTitle(item.caption);
            m_menuBar->addMenu(command->menu());
        } else if (command) {
            m_menuBar->addAction(m_commands.createAction(item.id, m_menuBar, item.caption));
        }
        return;
    case MenuItem::OwnMenu:
        if (QMenu *menu = providedMenu(item.id)) {
            menu->setTitle(item.caption);
            m_menuBar->addMenu(menu);
        }
        return;
    case MenuItem::Separator:
    case MenuItem::End:
        return;
    }
}

bool WindowChrome::fillMenu(QMenu *menu, const QList<MenuItem> &items, qsizetype &at)
{
    bool any = false;
    bool separatorDue = false;
    const auto place = [&](QAction *action) {
        if (separatorDue)
            menu->addSeparator();
        separatorDue = false;
        menu->addAction(action);
        any = true;
    };
    while (at < items.size()) {
        const MenuItem &item = items[at++];
        Command *command = item.id.isEmpty() ? nullptr : m_commands.find(item.id);
        switch (item.kind) {
        case MenuItem::End:
            return any;
        case MenuItem::Separator:
            separatorDue = any;
            break;
        case MenuItem::Submenu: {
            auto *submenu = new QMenu(item.caption, menu);
            if (fillMenu(submenu, items, at))
                place(submenu->menuAction());
            else
                delete submenu;
            break;
        }
        case MenuItem::Entry:
            if (command)
                place(m_commands.createAction(item.id, menu, item.caption));
            break;
        case MenuItem::CommandMenu:
            if (command && command->menu()) {
                command->menu()->setTitle(item.caption);
                place(command->menu()->menuAction());
            } else if (command) {
                place(m_commands.createAction(item.id, menu, item.caption));
            }
            break;
        case MenuItem::OwnMenu:
            if (QMenu *provided = providedMenu(item.id)) {
                provided->setTitle(item.caption);
                place(provided->menuAction());
            }
            break;
        }
    }
    return any;
}

void WindowChrome::PopupMenuViewPopup()
{
    m_toolbarsMenu->setEnabled(true);
    updateBandMenuState();
    if (m_services.browserTabsMenu)
        m_services.browserTabsMenu->setEnabled(true);
}
