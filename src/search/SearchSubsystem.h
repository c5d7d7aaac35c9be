#pragma once

#include "search/SearchBars.h"

#include <QObject>
#include <QString>
#include <functional>

class CommandRegistry;
class Prompter;
class QWidget;
class SettingsStore;
class TKestrelWB;

// The search subsystem of the main window: the quick search and quote bars, the multi-search
// window and the site-list update. It registers the commands "Search" (the multi-search
// window), "Update Search &List" and "&Clear Search History", and offers the two bars as
// widgets for the window's bands.
class SearchSubsystem : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        SettingsStore &settings;
        Prompter &prompter;
        QString dataFolder;
        CommandRegistry &commands;
        // The browser view of the active tab, or null.
        std::function<TKestrelWB *()> activeBrowser;
        // Loads an address in the active tab, or in a new tab when there is none.
        std::function<void(const QString &address)> navigateActiveBrowser;
        // The parent of the subsystem's windows.
        QWidget *window;
    };

    explicit SearchSubsystem(const Services &services, QObject *parent = nullptr);

    SearchBars &bars() { return m_bars; }
    // The bands' bars: "QuickSearch" and "QuickQuote".
    QWidget *quickSearchBar() const;
    QWidget *quickQuoteBar() const;

    // The standard "Search" button: the multi-search window. The bars reload their lists
    // when it changed the site file (written fresh or updated).
    void OpenMultiSearch();
    // File "Update Search &List": the update window; the bars reload their lists when the
    // site file changed.
    void UpdateSearchList();

private:
    void reloadIfChanged(const std::function<void()> &action);

    Services m_services;
    SearchBars m_bars;
};
