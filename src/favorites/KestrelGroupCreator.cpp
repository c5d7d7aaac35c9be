#include "favorites/KestrelGroupCreator.h"

#include "browser/TKestrelWB.h"
#include "browser/tabs/BrowserTab.h"
#include "browser/tabs/TabSet.h"
#include "favorites/KestrelGroupFile.h"
#include "shell/TextFile.h"
#include "ui/Prompter.h"

namespace {
const QString Caption = QStringLiteral("New Kestrel Group");
}

KestrelGroupCreator::KestrelGroupCreator(TabSet &tabs, Prompter &prompter, const QString &groupFile)
    : m_tabs(tabs), m_prompter(prompter), m_groupFile(groupFile)
{
}

bool KestrelGroupCreator::create()
{
    QStringList lines = TextFile::readLines(m_groupFile).value_or(QStringList());
    std::optional<QString> name =
        m_prompter.input(Caption, QStringLiteral("Please enter a name for the new kestrel group"), QString());
    while (name && KestrelGroupFile::isTaken(lines, *name)) {
        name = m_prompter.input(
            Caption, QStringLiteral("The name you selected is already taken, please enter a different one."), *name);
    }
    if (!name)
        return false;
    lines.append(*name);
    for (int i = 0; i < m_tabs.count(); ++i) {
        BrowserTab *tab = m_tabs.tabAt(i);
        if (TKestrelWB *view = tab ? tab->browser() : nullptr)
            lines.append(QLatin1Char('\t') + view->LocationURL());
    }
    if (!TextFile::writeLines(m_groupFile, lines)) {
        m_prompter.message(QStringLiteral("The group could not be saved to ") + m_groupFile);
        return false;
    }
    return true;
}
