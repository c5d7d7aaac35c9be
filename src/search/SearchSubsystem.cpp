#include "search/SearchSubsystem.h"

#include "search/QuickBar.h"
#include "search/SearchListUpdate.h"
#include "search/SiteFile.h"
#include "search/TfrmMultiSearch.h"
#include "search/TfrmUpdateSetup.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

SearchSubsystem::SearchSubsystem(const Services &services, QObject *parent)
    : QObject(parent), m_services(services), m_bars(services.settings, services.dataFolder, services.activeBrowser)
{
    CommandRegistry &commands = m_services.commands;
    commands.add(CommandIds::Search, QStringLiteral("Search"), QString(),
                 QKeySequence(), [this] { OpenMultiSearch(); });
    commands.add(CommandIds::UpdateSearchList, QStringLiteral("Update Search &List"),
                 QString(), QKeySequence(), [this] { UpdateSearchList(); });
    commands.add(CommandIds::ClearSearchHistory, QStringLiteral("&Clear Search History"),
                 QString(), QKeySequence(), [this] { m_bars.ClearSearchHistory(); });
}

QWidget *SearchSubsystem::quickSearchBar() const
{
    return m_bars.ToolBar3();
}

QWidget *SearchSubsystem::quickQuoteBar() const
{
    return m_bars.ToolBar5();
}

void SearchSubsystem::reloadIfChanged(const std::function<void()> &action)
{
    if (SearchListUpdate::changesFile(SiteFile::path(m_services.dataFolder), action))
        m_bars.FillSearchSiteLists();
}

void SearchSubsystem::OpenMultiSearch()
{
    reloadIfChanged([this] {
        TfrmMultiSearch::run(m_services.settings, m_services.prompter, m_services.dataFolder,
                             m_services.navigateActiveBrowser, m_services.window);
    });
}

void SearchSubsystem::UpdateSearchList()
{
    reloadIfChanged([this] {
        TfrmUpdateSetup::run(m_services.settings, m_services.prompter, m_services.dataFolder, m_services.window);
    });
}
