#pragma once

#include "browser/BrowserFrame.h"

#include <QObject>
#include <QString>
#include <functional>

class BrowserChrome;
class SettingsStore;
class TKestrelWB;
class TabSet;

// The main window's handlers of every tab's browser view events: they keep the tab caption and
// the window's display (caption, address, status text, gauge, lock, busy animation, back and
// forward) in step with the pages. Reports from background tabs change only their own tab;
// reports from a view that is not on a tab are ignored.
class PageEvents : public QObject
{
    Q_OBJECT
public:
    // closing: whether the main window's close has been accepted.
    PageEvents(TabSet &tabs, BrowserChrome &chrome, SettingsStore &settings, std::function<bool()> closing,
               QObject *parent = nullptr);

    // Connects a view's events to the handlers below (every new tab's view is connected).
    void connectView(TKestrelWB *view);

    void StatusTextChange(TKestrelWB *sender, const QString &text);
    void CommandStateChange(TKestrelWB *sender, int command, bool enable);
    void TitleChange(TKestrelWB *sender, const QString &title);
    void BeforeNavigate2(TKestrelWB *sender, BrowserFrame frame, const QString &address, bool &cancel);
    void NavigateComplete2(TKestrelWB *sender, BrowserFrame frame, const QString &address);
    void DocumentComplete(TKestrelWB *sender, BrowserFrame frame, const QString &address);
    void ProgressChange(TKestrelWB *sender, int progress, int maximum);
    // The host-information flags, read afresh from the settings at every request.
    quint32 GetHostInfo(TKestrelWB *sender);

    // progress / maximum as a percentage rounded half to even, 0 unless both are at least 1,
    // held within 0..100.
    static int gaugePercent(int progress, int maximum);

signals:
    // A tab is about to leave the page at location for another page (not a fragment of it).
    void PageLeaving(TKestrelWB *view, const QString &location);
    // A tab reached the address.
    void PageReached(TKestrelWB *view, const QString &address);

private:
    // What the address box shows when a view reached an address.
    static QString shownAddress(TKestrelWB *view, BrowserFrame frame, const QString &address);

    TabSet &m_tabs;
    BrowserChrome &m_chrome;
    SettingsStore &m_settings;
    std::function<bool()> m_closing;
};
