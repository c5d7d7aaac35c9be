#pragma once

#include <QString>

class Prompter;
class TabSet;

// OpenKestrelGroup: opens a group's sites, one tab each. With closeOthers the open tabs are
// reused in order (each made active, captioned "Browser <n> Loading..." and navigated), surplus
// tabs are closed and missing ones added; without it every site gets a new tab.
class KestrelGroupOpener
{
public:
    KestrelGroupOpener(TabSet &tabs, Prompter &prompter, const QString &groupFile);

    // A group that yields no sites (missing file, unknown name, no site lines) leaves the open
    // tabs as they are.
    void OpenKestrelGroup(const QString &name, bool closeOthers);

private:
    void reuseTabs(const QStringList &sites);

    TabSet &m_tabs;
    Prompter &m_prompter;
    QString m_groupFile;
};
