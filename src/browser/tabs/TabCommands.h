#pragma once

class CommandRegistry;
class TabSet;

// The tab set's user commands in the command registry: new, close, close all, move, previous,
// next, line mode and position.
class TabCommands
{
public:
    TabCommands(CommandRegistry &commands, TabSet &tabs);

    // Check marks and enabled state of the line-mode and position entries, set as a menu
    // holding them opens.
    void updateArrangementState();

private:
    CommandRegistry &m_commands;
    TabSet &m_tabs;
};
