#pragma once

#include "browser/tabs/PageControl.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class BrowserChrome;
class BrowserTab;
class Prompter;
class QMenu;
class SettingsStore;
class TKestrelWB;

// The browser tabs of the main window in its PageControl1: making tabs (AddBrowserTab, the one
// way to open an address in a new tab), finding the active browser, showing, closing, moving
// and re-arranging tabs, and the tab captions.
class TabSet : public QObject
{
    Q_OBJECT
public:
    // Makes the browser view of a new tab, as a child of the given sheet.
    using ViewFactory = std::function<TKestrelWB *(QWidget *sheet)>;

    struct TabMenuEntry
    {
        QString caption;
        int index;
        bool checked;
    };

    TabSet(PageControl &pages, SettingsStore &settings, Prompter &prompter, BrowserChrome &chrome,
           ViewFactory createView, QObject *parent = nullptr);
    // Frees every tab still open, views first.
    ~TabSet() override;

    PageControl &pages() const { return m_pages; }
    // The popup menu every new sheet gets.
    void setSheetPopupMenu(QMenu *menu) { m_sheetPopupMenu = menu; }

    // Makes a tab, starts its navigation (the address, or the homepage when empty) and makes
    // it the active tab. An empty caption gives "Browser <number> Loading...".
    BrowserTab *AddBrowserTab(const QString &address, const QString &caption = QString());
    // Runs work that opens or selects several tabs in a row (a restored workspace, a group):
    // only the tab active at its end is shown and takes the focus, so the pages of background
    // tabs are not drawn on the way.
    void OpenTogether(const std::function<void()> &work);
    // The browser view of the active tab, or null.
    TKestrelWB *GetActiveBrowser() const;

    int count() const { return m_pages.count(); }
    BrowserTab *tabAt(int index) const;
    BrowserTab *activeTab() const;
    // The tab holding the view, or null when the view is not on a tab of this set.
    BrowserTab *tabOfView(const TKestrelWB *view) const;
    bool isActive(const BrowserTab *tab) const;
    QString caption(const BrowserTab *tab) const;
    void setCaption(BrowserTab *tab, const QString &caption);
    // The caption from a page title, cut to "TabTitleLength" characters and "...".
    void setCaptionFromTitle(BrowserTab *tab, const QString &title);

    int CurrentTabIndex() const { return m_currentTabIndex; }
    int PreviousTabIndex() const { return m_previousTabIndex; }

    // Show handler of every sheet: window caption, tab indices, gauge, back and forward,
    // address, lock, busy animation and keyboard focus follow the shown tab.
    void TabSheetShow(int index);

    // The user commands.
    void NewTab();
    void CloseActiveTab();
    void CloseAllTabs();
    void MoveActiveTabUp();
    void MoveActiveTabDown();
    void PreviousTab();
    void NextTab();
    void SelectTab(int index);
    // Line mode and position: each change re-creates every tab on its address.
    void SetMultiLine(bool multiLine);
    void SetTabPosition(PageControl::TabPosition position);
    bool isSingleLineAllowed() const { return !m_pages.isVertical(); }

    // Applies the stored "Tab Multiline" and "Tab Position" (compared lower-case) at start.
    void applyStoredArrangement(bool multiLine, const QString &position);
    // "Top", "Bottom", "Left" or "Right", as stored at close.
    QString tabPositionName() const;
    bool isMultiLine() const { return m_pages.multiLine(); }

    // Back and forward availability of a tab; the buttons follow when the tab is active.
    void setHistoryAvailable(BrowserTab *tab, int command, bool enable);

    // A page closed its own window: its tab closes once the current event is done, by the
    // rules of closing the active tab when it is the active one.
    void requestCloseOf(TKestrelWB *view);

    // The entries of the Tabs menu, one per tab in tab order.
    QList<TabMenuEntry> tabMenuEntries() const;
    // Every tab's address in tab order: its view's location, or the address it was opened on
    // while the view is still loading without one. Tabs with neither are left out.
    QStringList locations() const;

signals:
    // A new tab's view was made; handlers connect its events here.
    void BrowserCreated(TKestrelWB *view);
    // A tab's view is about to be freed with its tab (closed by the user or the page, or
    // re-created by a change of the tab arrangement); not sent when the whole set goes.
    void BrowserClosing(TKestrelWB *view);
    // A tab was added, closed or moved.
    void tabsChanged();

private:
    void closeTab(BrowserTab *tab);
    // Frees the tab at the index and its view, announcing the view first.
    void freeTab(int index);
    void rebuild(const std::function<void()> &change);
    QString readHomepage() const;

    PageControl &m_pages;
    SettingsStore &m_settings;
    Prompter &m_prompter;
    BrowserChrome &m_chrome;
    ViewFactory m_createView;
    QMenu *m_sheetPopupMenu = nullptr;
    int m_currentTabIndex = 0;
    int m_previousTabIndex = 0;
};
