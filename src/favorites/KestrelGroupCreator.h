#pragma once

#include <QString>

class Prompter;
class TabSet;

// "Create &Group From Current Open Tabs": asks for a name not yet in the group file and appends
// a group of every tab's current address (a tab showing no page gives a line of only a TAB).
class KestrelGroupCreator
{
public:
    KestrelGroupCreator(TabSet &tabs, Prompter &prompter, const QString &groupFile);

    // True when the group was written; false when cancelled or the file could not be written.
    bool create();

private:
    TabSet &m_tabs;
    Prompter &m_prompter;
    QString m_groupFile;
};
