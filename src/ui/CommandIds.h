#pragma once

#include <QString>

// The ids of the main window's commands, shared by the code that registers a command and the
// controls and keys that run it.
namespace CommandIds {
// Tab set
inline const QString NewTab = QStringLiteral("NewTab");
inline const QString CloseTab = QStringLiteral("CloseTab");
inline const QString CloseAllTabs = QStringLiteral("CloseAllTabs");
inline const QString TabUp = QStringLiteral("TabUp");
inline const QString TabDown = QStringLiteral("TabDown");
inline const QString PreviousTab = QStringLiteral("PreviousTab");
inline const QString NextTab = QStringLiteral("NextTab");
inline const QString SingleLine = QStringLiteral("SingleLine");
inline const QString MultiLine = QStringLiteral("MultiLine");
inline const QString TabTop = QStringLiteral("TabTop");
inline const QString TabBottom = QStringLiteral("TabBottom");
inline const QString TabLeft = QStringLiteral("TabLeft");
inline const QString TabRight = QStringLiteral("TabRight");

// The main window: closing, the workspace, the address bar, new windows and the homepage
inline const QString Exit = QStringLiteral("Exit");
inline const QString SaveWorkspace = QStringLiteral("SaveWorkspace");
inline const QString GoToAddress = QStringLiteral("GoToAddress");
inline const QString ClearTypedUrls = QStringLiteral("ClearTypedUrls");
inline const QString NewWindowSettings = QStringLiteral("NewWindowSettings");
inline const QString HomepageSetup = QStringLiteral("HomepageSetup");

// Navigation of the active browser
inline const QString Back = QStringLiteral("Back");
inline const QString Forward = QStringLiteral("Forward");
inline const QString Stop = QStringLiteral("Stop");
inline const QString Refresh = QStringLiteral("Refresh");
inline const QString Home = QStringLiteral("Home");
inline const QString FocusPage = QStringLiteral("FocusPage");

// Page commands
inline const QString Open = QStringLiteral("Open");
inline const QString SaveAs = QStringLiteral("SaveAs");
inline const QString ViewAsText = QStringLiteral("ViewAsText");
inline const QString Properties = QStringLiteral("Properties");
inline const QString PageSetup = QStringLiteral("PageSetup");
inline const QString Print = QStringLiteral("Print");
inline const QString Cut = QStringLiteral("Cut");
inline const QString Copy = QStringLiteral("Copy");
inline const QString Paste = QStringLiteral("Paste");
inline const QString SelectAll = QStringLiteral("SelectAll");
inline const QString Find = QStringLiteral("Find");
inline const QString ViewSource = QStringLiteral("ViewSource");
inline const QString InternetOptions = QStringLiteral("InternetOptions");
inline const QString MyComputer = QStringLiteral("MyComputer");
inline const QString Desktop = QStringLiteral("Desktop");
inline const QString StartMenu = QStringLiteral("StartMenu");
inline const QString BrowseForFolder = QStringLiteral("BrowseForFolder");

// Options
inline const QString AutoCompleteSetup = QStringLiteral("AutoCompleteSetup");

// Window chrome: full screen, window sizes, help
inline const QString FullScreen = QStringLiteral("FullScreen");
inline const QString OnlineHelp = QStringLiteral("OnlineHelp");
inline const QString ProductHomePage = QStringLiteral("ProductHomePage");
inline const QString About = QStringLiteral("About");

// Favorites and groups: Favorites is the side panel (View menu, F1), FavoritesDropDown the
// drop-down window of the menu-bar button and the standard button; the groups command carries
// the groups menu.
inline const QString Favorites = QStringLiteral("Favorites");
inline const QString FavoritesDropDown = QStringLiteral("FavoritesDropDown");
inline const QString KestrelGroups = QStringLiteral("KestrelGroups");

// Search
inline const QString Search = QStringLiteral("Search");
inline const QString UpdateSearchList = QStringLiteral("UpdateSearchList");
inline const QString ClearSearchHistory = QStringLiteral("ClearSearchHistory");

// Form data files
inline const QString SaveTextArea = QStringLiteral("SaveTextArea");
inline const QString InsertTextFile = QStringLiteral("InsertTextFile");
inline const QString SaveFormData = QStringLiteral("SaveFormData");
inline const QString InsertFormData = QStringLiteral("InsertFormData");

// Spell checking
inline const QString SpellCheck = QStringLiteral("SpellCheck");
inline const QString SpellCheckerOptions = QStringLiteral("SpellCheckerOptions");
inline const QString DownloadDictionaries = QStringLiteral("DownloadDictionaries");

// Page tools: notes, page format (the command carries its menu), translation, mail (the
// command carries the mail menu)
inline const QString AddNote = QStringLiteral("AddNote");
inline const QString PageFormat = QStringLiteral("PageFormat");
inline const QString Translate = QStringLiteral("Translate");
inline const QString Mail = QStringLiteral("Mail");

// Options dialog
inline const QString KestrelOptions = QStringLiteral("KestrelOptions");

// Keys: the caret into the address box with its text selected (Ctrl+L, Alt+D, F6)
inline const QString FocusAddress = QStringLiteral("FocusAddress");
}
