#include "ui/ChromeLayout.h"

#include "ui/CommandIds.h"

namespace ChromeLayout {
namespace {
MenuItem entry(const char *caption, const QString &id)
{
    return {MenuItem::Entry, QString::fromUtf8(caption), id};
}
MenuItem submenu(const char *caption)
{
    return {MenuItem::Submenu, QString::fromUtf8(caption), QString()};
}
MenuItem commandMenu(const char *caption, const QString &id)
{
    return {MenuItem::CommandMenu, QString::fromUtf8(caption), id};
}
MenuItem ownMenu(const char *caption, const QString &id)
{
    return {MenuItem::OwnMenu, QString::fromUtf8(caption), id};
}
const MenuItem separator{MenuItem::Separator, QString(), QString()};
const MenuItem end{MenuItem::End, QString(), QString()};

Button button(const QString &id, const char *caption, const char *tooltip, const char *image)
{
    return {id, QString::fromUtf8(caption), QString::fromUtf8(tooltip), QString::fromUtf8(image)};
}
const Button divider{};
}

const QList<MenuItem> &menuBar()
{
    using namespace CommandIds;
    static const QList<MenuItem> items{
        submenu("&File"),
            submenu("&New"), entry("&Browser Tab", NewTab), entry("Post Note", AddNote), end,
            entry("&Open", Open),
            entry("&Save As", SaveAs),
            submenu("Form Data"),
                entry("Save Text Area As Text File", SaveTextArea),
                entry("Insert Text File Into Text Area", InsertTextFile),
                entry("Save All Form Data", SaveFormData),
                entry("Insert Form Data From File", InsertFormData),
            end,
            entry("&Close Page", CloseTab),
            separator,
            entry("View Web Page As Text", ViewAsText),
            entry("Proper&ties", Properties),
            entry("Page Set&up", PageSetup),
            entry("&Print", Print),
            separator,
            entry("Update Search &List", UpdateSearchList),
            separator,
            entry("E&xit", Exit),
        end,
        submenu("&Edit"),
            entry("Cu&t", Cut), entry("&Copy", Copy), entry("&Paste", Paste),
            separator,
            entry("Select &All", SelectAll),
            separator,
            entry("&Find", Find),
            entry("Spell Check", SpellCheck),
        end,
        submenu("&View"),
            ownMenu("&Toolbars", ToolbarsMenu),
            ownMenu("&Browser Tabs", BrowserTabsMenu),
            ownMenu("&Window Size", WindowSizeMenu),
            commandMenu("&Page Format", PageFormat),
            separator,
            entry("F&ullscreen", FullScreen),
            entry("&Favorites", Favorites),
            entry("Sour&ce", ViewSource),
            separator,
            entry("&Refresh", Refresh), entry("&Stop", Stop),
            separator,
            entry("&Internet Options...", InternetOptions),
        end,
        submenu("&Go"),
            entry("&Back", Back), entry("&Forward", Forward),
            separator,
            entry("&Home Page", Home),
            separator,
            entry("&My Computer", MyComputer), entry("&Desktop", Desktop), entry("&Start Menu", StartMenu),
            entry("B&rowse For Folder...", BrowseForFolder),
        end,
        submenu("&Options"),
            entry("&Homepage Setup", HomepageSetup),
            entry("&Kestrel Browser Options", KestrelOptions),
            entry("&Auto Complete Setup", AutoCompleteSetup),
            submenu("&Spell Checker Setup"),
                entry("Spell Checker Options", SpellCheckerOptions),
                entry("Download Dictionaries", DownloadDictionaries),
            end,
            separator,
            entry("Clear Typed &URL List", ClearTypedUrls),
            entry("&Clear Search History", ClearSearchHistory),
            separator,
            entry("&Save Workspace on Exit", SaveWorkspace),
            separator,
            entry("&New Window Settings", NewWindowSettings),
        end,
        entry("F&avorites", FavoritesDropDown),
        commandMenu("&Kestrel Groups", KestrelGroups),
        ownMenu("&Tabs", TabsMenu),
        submenu("&Help"),
            entry("&Online Help", OnlineHelp), entry("&Home Page", ProductHomePage),
            separator,
            entry("&About", About),
        end,
    };
    return items;
}

const QList<Button> &standardButtons()
{
    using namespace CommandIds;
    static const QList<Button> buttons{
        button(Back, "Back", "Back", "back"),
        button(Forward, "Forward", "Forward", "forward"),
        button(Stop, "Stop", "Stop", "stop"),
        button(Refresh, "Refresh", "Refresh", "refresh"),
        button(Home, "Home", "Home", "home"),
        divider,
        button(Search, "Search", "Search", "search"),
        button(Favorites, "Favorties", "Favorties", "favorites"),
        button(Mail, "Mail", "Mail", "mail"),
        button(Print, "Print", "Print", "print"),
        button(AddNote, "Add Note", "Add Note", "addnote"),
        button(SpellCheck, "Spell Check", "Spell Check", "spellcheck"),
        button(FullScreen, "Fullscreen", "Fullscreen View", "fullscreen"),
        divider,
        button(NewTab, "New Tab", "New Tab", "newtab"),
        button(TabUp, "Move Up", "Move Active Tab Up", "moveup"),
        button(TabDown, "Move Down", "Move Active Tab Down", "movedown"),
        button(PreviousTab, "tbPrevious", "Previous Tab", "previoustab"),
        button(NextTab, "tbNext", "Next Tab", "nexttab"),
        button(CloseTab, "Close Tab", "Remove Active Tab", "closetab"),
    };
    return buttons;
}

const QList<Button> &kestrelTools()
{
    using namespace CommandIds;
    static const QList<Button> buttons{
        button(Translate, "Translate Language", "Translate Language", "translate"),
        divider,
        button(PageFormat, "Modify Page Format", "Modify Page Format", "pageformat"),
    };
    return buttons;
}
}
