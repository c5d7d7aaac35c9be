#include "favorites/KestrelGroupOpener.h"

#include "browser/TKestrelWB.h"
#include "browser/tabs/TabCaption.h"
#include "browser/tabs/TabSet.h"
#include "favorites/KestrelGroupFile.h"
#include "shell/TextFile.h"
#include "ui/Prompter.h"

#include <QFileInfo>

KestrelGroupOpener::KestrelGroupOpener(TabSet &tabs, Prompter &prompter, const QString &groupFile)
    : m_tabs(tabs), m_prompter(prompter), m_groupFile(groupFile)
{
}

void KestrelGroupOpener::OpenKestrelGroup(const QString &name, bool closeOthers)
{
    const std::optional<QStringList> lines =
        QFileInfo::exists(m_groupFile) ? TextFile::readLines(m_groupFile) : std::nullopt;
    if (!lines) {
        m_prompter.message(QStringLiteral("Data file not found"));
        return;
    }
    const QStringList sites = KestrelGroupFile::sitesOf(*lines, name).value_or(QStringList());
    if (sites.isEmpty())
        return;
    m_tabs.OpenTogether([&] {
        if (!closeOthers) {
            for (const QString &site : sites)
                m_tabs.AddBrowserTab(site);
        } else {
            reuseTabs(sites);
        }
    });
}

void KestrelGroupOpener::reuseTabs(const QStringList &sites)
{
    const int siteCount = int(sites.size());
    // Surplus tabs close from the last, so the first ones stay.
    while (m_tabs.count() > siteCount) {
        const int before = m_tabs.count();
        m_tabs.SelectTab(before - 1);
        m_tabs.CloseActiveTab();
        if (m_tabs.count() >= before)
            break;
    }
    const int reused = m_tabs.count();
    for (int i = 0; i < siteCount; ++i) {
        if (i >= reused) {
            m_tabs.AddBrowserTab(sites.at(i));
            continue;
        }
        m_tabs.SelectTab(i);
        BrowserTab *tab = m_tabs.tabAt(i);
        if (!tab)
            continue;
        m_tabs.setCaption(tab, TabCaption::newTab(i));
        if (TKestrelWB *view = m_tabs.GetActiveBrowser())
            view->Navigate(sites.at(i));
    }
}
