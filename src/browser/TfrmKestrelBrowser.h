#pragma once

#include "shell/OpenRequestFilter.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "typing/TypingAidTable.h"
#include "ui/CommandRegistry.h"
#include "ui/QtPrompter.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class BrowserControl;
class InPageTypingAids;
class PageFieldEdits;
class PageKeyFilter;
class TKestrelWB;
class TabbedBrowser;

// The main window of the browser. It owns the settings store object for the whole run, reads
// its settings when it is created and writes them back when it closes.
class TfrmKestrelBrowser : public QMainWindow
{
    Q_OBJECT
public:
    // Makes the engine control of each new browser view; empty: Qt WebEngine.
    using ControlFactory = std::function<std::unique_ptr<BrowserControl>()>;

    explicit TfrmKestrelBrowser(ControlFactory controlFactory = {}, QWidget *parent = nullptr);
    ~TfrmKestrelBrowser() override;

    // --- Settings read at creation, written at close ---
    int searchWidth() const { return m_searchWidth; }
    int quoteWidth() const { return m_quoteWidth; }
    const QStringList &searchTerms() const { return m_searchTerms; }
    const QStringList &financeSearchTerms() const { return m_financeSearchTerms; }
    const QStringList &typedUrls() const { return m_typedUrls; }

    // --- Addresses from outside: the command line, later starts and the shell ---
    // The first command-line argument, handled on every show after the first tabs.
    void setCommandLineAddress(const std::optional<QString> &address) { m_commandLineAddress = address; }
    OpenRequestFilter &openRequests() { return m_openRequests; }
    // An address handed over by a later start: a new active tab, and the window to the front.
    void WMCopyData(const QString &address);
    // A later start asks to see the program: restored if minimized, and to the front.
    void ShowInstanceRequest();
    // The shell's open request, its lines joined with CR LF after each.
    void WWW_OpenURLExecuteMacro(const QStringList &lines);

    // Opens the address (the homepage when empty) in a new, active tab.
    void OpenAddressInNewTab(const QString &address);

    // --- The tab set ---
    // The one way to open an address in a new, active tab: an empty address opens the
    // homepage, an empty caption gives "Browser <number> Loading...".
    void AddBrowserTab(const QString &address, const QString &caption = QString());
    // The browser view of the active tab, or null.
    TKestrelWB *GetActiveBrowser() const;
    TabbedBrowser &tabbedBrowser() const { return *m_tabbed; }
    CommandRegistry &commands() { return m_commands; }

    // Set once the window's close has been accepted.
    bool Closing = false;

signals:
    // The first tabs are open: requests from outside can be taken from now on.
    void firstTabsOpened();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Creation, in order.
    void FormCreate();
    void CreateTypingAidTable();      // the in-memory typing-aid table (typing-aid lists)
    void SelectBusyAnimation();       // the busy animation "WORLD" (page events and status)
    void ReadSearchBoxWidths();
    void ApplyWindowPlacement();
    void ForceInlineImages();
    void MakeQuickLaunchShortcut();
    void EnsureUniqueId();
    void ApplyToolBarStyle();         // "ToolBarMain" button style (toolbars and bands)
    void FillSearchSiteLists();       // the quick-search and quote site lists (search bars)
    void ReadHistoryLists();
    void ApplyTabArrangement();       // "Tab Multiline" and "Tab Position" to the tab set
    void InstallPageKeyFilter();      // the typing aids' application-wide key filter
    void SetUpSponsorRotator();       // the timed sponsor banner
    void LoadTypingAids();            // typing-aid lists and the spell checker's configuration

    // Keys of the page whose operations come with later work.
    void FillPersonalInfo();          // fills the focused form from the personal info lists
    void FullScreen();                // switches the full-screen display on and off
    void ViewSource();                // shows the source of the active page

    // Showing and closing.
    void FormShow();
    void OpenFirstTabs();
    void HandleCommandLineAddress();
    void BringToFront();
    void WriteWindowSettings();
    void WriteTabMultiline();         // "Tab Multiline" from the tab set
    void WriteTabPosition();          // "Tab Position" from the tab set
    void WriteToolBarStyle();         // "ToolBarMain" from the button bar (toolbars and bands)

    // The tab set with its page events, status display, commands, menus and keys.
    void CreateTabSet();
    TKestrelWB *CreateBrowserView(QWidget *sheet);

    ControlFactory m_controlFactory;
    SettingsStore m_store;
    QtPrompter m_prompter;
    CommandRegistry m_commands;
    OpenRequestFilter m_openRequests;
    std::optional<QString> m_commandLineAddress;
    bool m_shownBefore = false;

    int m_searchWidth = 0;
    int m_quoteWidth = 0;
    QStringList m_searchTerms;
    QStringList m_financeSearchTerms;
    QStringList m_typedUrls;

    std::unique_ptr<TabbedBrowser> m_tabbed;

    TypingAidTable m_typingAids{DataFolder::path()};
    std::unique_ptr<InPageTypingAids> m_inPageAids;
    std::unique_ptr<PageFieldEdits> m_fieldEdits;
    std::unique_ptr<PageKeyFilter> m_pageKeyFilter;
};
