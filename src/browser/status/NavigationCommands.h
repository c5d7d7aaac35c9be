#pragma once

class BrowserChrome;
class CommandRegistry;
class TabSet;

// The navigation commands on the active browser: back, forward, stop, refresh, home, and the
// key command that gives the page the keyboard. Back and forward start disabled; the tab set
// enables them from the active tab's history.
class NavigationCommands
{
public:
    NavigationCommands(CommandRegistry &commands, TabSet &tabs, BrowserChrome &chrome);

private:
    TabSet &m_tabs;
    BrowserChrome &m_chrome;
};
