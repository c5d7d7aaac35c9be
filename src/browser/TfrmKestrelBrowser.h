#pragma once

#include "browser/NewWindowPolicy.h"
#include "pagetools/PageAsText.h"
#include "shell/DataFolder.h"
#include "shell/OpenRequestFilter.h"
#include "shell/SettingsStore.h"
#include "shell/StartRecord.h"
#include "shell/Workspace.h"
#include "shell/WorkspaceSaver.h"
#include "typing/TypingAidTable.h"
#include "ui/CommandRegistry.h"
#include "ui/QtPrompter.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class AddressBar;
class FavoritesAndGroups;
class BrowserControl;
class FormDataCommands;
class PageCommands;
class PageFormat;
class PostNotes;
class PageDocument;
class PopupMenuStandard;
class SponsorChannel;
class SearchSubsystem;
class InPageTypingAids;
class KestrelOptions;
class PageFieldEdits;
class PageKeyFilter;
class SpellCheckTool;
class PersonalInfoFill;
class TKestrelWB;
class TfrmTranslate;
class TabbedBrowser;
class WindowChrome;

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
    QStringList typedUrls() const;

    // --- Addresses from outside: the command line, later starts and the shell ---
    // The first command-line argument, handled on every show after the first tabs.
    void setCommandLineAddress(const std::optional<QString> &address) { m_commandLineAddress = address; }
    // Who asks the questions of the first show (whether to restore the tabs after starts that
    // did not end cleanly); without one, as in a run with nobody to ask, nothing is asked.
    void setStartPrompter(Prompter *prompter) { m_startPrompter = prompter; }
    StartRecord &startRecord() { return m_startRecord; }
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
    AddressBar &addressBar() const { return *m_addressBar; }
    WindowChrome &chrome() const { return *m_chrome; }
    Workspace &workspace() { return m_workspace; }
    WorkspaceSaver &workspaceSaver() { return m_workspaceSaver; }
    NewWindowPolicy &newWindowPolicy() { return m_newWindowPolicy; }
    // The quick search and quote bars, the multi-search window and the site-list update.
    SearchSubsystem &search() const { return *m_search; }

    // Loads the address in the active browser, or in a new tab when there is none.
    void NavigateActiveBrowser(const QString &address);

    // --- Page commands ---
    // The document of the innermost frame holding the focus in the active browser, or its
    // top-level document; null without an active browser or page.
    std::shared_ptr<PageDocument> GetActiveDocument() const;
    PageCommands &pageCommands() const { return *m_pageCommands; }
    PostNotes &postNotes() const { return *m_postNotes; }
    PageAsText &pageAsText() { return m_pageAsText; }
    class PopupMenuStandard *PopupMenuStandard() const { return m_popupMenuStandard; }
    // Shows a page in the modal HTML dialog; links followed in it open in the active browser.
    void ShowHtmlDialog(const QString &address, int width, int height);

    // Favorites and Kestrel Groups.
    FavoritesAndGroups &favorites() const { return *m_favorites; }
    // The sponsor channel (AdRotator1 and its requests).
    SponsorChannel &sponsor() const { return *m_sponsor; }

    // --- Typing aids ---
    TypingAidTable &typingAids() { return m_typingAids; }
    // Options "&Auto Complete Setup": the setup window over the typing-aid files.
    void AutoCompleteSetup1Click();

    SpellCheckTool &spellCheck() const { return *m_spellCheck; }

    // Set once the window's close has been accepted.
    bool Closing = false;

signals:
    // The first tabs are open: requests from outside can be taken from now on.
    void firstTabsOpened();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Creation, in order.
    void FormCreate();
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
    void RecordStart();               // the start record and the data folder's half-written files

    // Keys of the page whose operations come with later work.
    void FillPersonalInfo();          // fills the focused form from the personal info lists

    // Showing and closing.
    void FormShow();
    void OpenFirstTabs();
    void HandleCommandLineAddress();
    void BringToFront();
    void WriteWindowSettings();
    void WriteTabMultiline();         // "Tab Multiline" from the tab set
    void WriteTabPosition();          // "Tab Position" from the tab set
    void WriteToolBarStyle();         // "ToolBarMain" from the button bar (toolbars and bands)
    // The close sequence once the close is accepted: the workspace, freeing the tabs, settings.
    void CloseMainWindow();
    // Puts back the message hook saved at the last activation; the typing aids let go of the page.
    void RestoreMessageHook();
    // The notes on a view whose tab or window closes are saved for the page it shows.
    void LeavePageForNotes(TKestrelWB *view);
    // The notes: their command, and the page events and tab closes that load and save them.
    void CreatePostNotes();

    // The tab set with its page events, status display, commands, menus and keys.
    void CreateTabSet();
    TKestrelWB *CreateBrowserView(QWidget *sheet);
    // Every new view: its new-window requests and top-frame navigations.
    void ConnectBrowserView(TKestrelWB *view);
    // The address bar on the tab set's address box.
    void CreateAddressBar();
    // The window's own commands and their menu entries: Exit, the Options entries (with the
    // options dialog and the Mail button) and "&Go To Address".
    void CreateWindowCommands();
    // The page commands and the bar combo-box menu.
    void CreatePageCommands();
    // The options dialog's command and the Mail button.
    void CreateOptions();
    // The menus, bands and tool bars over the registered commands, and full-screen mode.
    void CreateWindowChrome();
    // The form tools: personal info fill and the form data commands.
    void CreateFormTools();

    ControlFactory m_controlFactory;
    SettingsStore m_store;
    QtPrompter m_prompter;
    Workspace m_workspace{m_store, DataFolder::path()};
    WorkspaceSaver m_workspaceSaver;
    StartRecord m_startRecord{DataFolder::path()};
    Prompter *m_startPrompter = nullptr;
    NewWindowPolicy m_newWindowPolicy;
    // The in-memory typing-aid table, read from the data folder's lists by LoadTypingAids.
    TypingAidTable m_typingAids{DataFolder::path()};
    PageAsText m_pageAsText{DataFolder::path()};
    CommandRegistry m_commands;
    OpenRequestFilter m_openRequests;
    std::optional<QString> m_commandLineAddress;
    bool m_shownBefore = false;

    std::unique_ptr<SearchSubsystem> m_search;
    std::unique_ptr<TabbedBrowser> m_tabbed;
    std::unique_ptr<AddressBar> m_addressBar;
    std::unique_ptr<PageCommands> m_pageCommands;
    std::unique_ptr<PageFormat> m_pageFormat;
    std::unique_ptr<PostNotes> m_postNotes;
    std::unique_ptr<WindowChrome> m_chrome;
    class PopupMenuStandard *m_popupMenuStandard = nullptr;
    std::unique_ptr<KestrelOptions> m_options;

    std::unique_ptr<FavoritesAndGroups> m_favorites;
    std::unique_ptr<TfrmTranslate> m_translate;
    std::unique_ptr<SponsorChannel> m_sponsor;
    std::unique_ptr<InPageTypingAids> m_inPageAids;
    std::unique_ptr<PageFieldEdits> m_fieldEdits;
    std::unique_ptr<PageKeyFilter> m_pageKeyFilter;
    std::unique_ptr<SpellCheckTool> m_spellCheck;
    std::unique_ptr<PersonalInfoFill> m_personalInfoFill;
    std::unique_ptr<FormDataCommands> m_formDataCommands;
    QPointer<QObject> m_hookBeforeActivation;
};
