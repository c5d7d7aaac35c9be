#pragma once

#include <QList>
#include <QString>

// The layout of the window's menus and button bars, written once as data naming command ids.
// An entry shows only while its command is registered; a submenu only with an entry in it.
namespace ChromeLayout {

struct MenuItem
{
    enum Kind {
        Entry,       // runs the command
        Separator,
        Submenu,     // the items below, up to the matching End
        End,
        CommandMenu, // the drop-down menu the command carries
        OwnMenu,     // a menu the chrome or the tab set provides, named by id
    };
    Kind kind;
    QString caption;
    QString id;
};

// The menu bar's menus in order; each starts with a Submenu item (its button) and ends with End.
// A top-level Entry is a menu-bar button that runs its command.
const QList<MenuItem> &menuBar();

// Menus provided by name rather than by a command.
inline const QString ToolbarsMenu = QStringLiteral("Toolbars");
inline const QString WindowSizeMenu = QStringLiteral("WindowSize");
inline const QString BrowserTabsMenu = QStringLiteral("BrowserTabs");
inline const QString TabsMenu = QStringLiteral("Tabs");

struct Button
{
    QString id;        // empty: a divider
    QString caption;
    QString tooltip;
    QString image;     // resources/toolbar/<image>.png and <image>-hot.png
};

// The standard buttons ToolBar2; the full-screen tool bar holds the same buttons.
const QList<Button> &standardButtons();
// The Kestrel Tools bar ToolBar4.
const QList<Button> &kestrelTools();

}
