#include "browser/TfrmKestrelBrowser.h"

#include "browser/AddressBar.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmNewWindow.h"
#include "browser/engine/PageCallGate.h"
#include "browser/status/StatusArea.h"
#include "browser/tabs/BrowserTab.h"
#include "favorites/FavoritesAndGroups.h"
#include "formdata/FormDataCommands.h"
#include "pagetools/PageCommands.h"
#include "pagetools/PageFormat.h"
#include "pagetools/TfrmTranslate.h"
#include "pagetools/notes/PostNotes.h"
#include "sponsor/SponsorChannel.h"
#include "search/SearchSubsystem.h"
#include "spell/SpellCheckTool.h"
#include "support/HunspellDictionary.h"
#include "typing/InPageTypingAids.h"
#include "typing/PageFieldEdits.h"
#include "typing/PageKeyFilter.h"
#include "ui/options/KestrelOptions.h"
#include "ui/WindowChrome.h"
#include "typing/PersonalInfoFill.h"

#include <QCloseEvent>
#include <QShowEvent>

TfrmKestrelBrowser::TfrmKestrelBrowser(ControlFactory controlFactory, QWidget *parent)
    : QMainWindow(parent), m_controlFactory(std::move(controlFactory)), m_prompter(this),
      m_workspaceSaver(m_workspace, [this] { return m_tabbed->tabs().locations(); }),
      m_newWindowPolicy(
          m_store, [this] { TfrmNewWindow::ask(m_store, this); },
          [this]() -> TKestrelWB * {
              BrowserTab *tab = m_tabbed->tabs().AddBrowserTab(QString());
              return tab->browser();
          })
{
    setWindowTitle(QStringLiteral("Kestrel Browser"));
    CreateTabSet();
    CreateAddressBar();
    CreatePageCommands();
    CreateFormTools();
    CreateWindowCommands();
    m_favorites = std::make_unique<FavoritesAndGroups>(
        *this, m_store, m_prompter, DataFolder::path(), m_commands, m_tabbed->tabs(),
        [this](const QString &address) { NavigateActiveBrowser(address); });
    m_search = std::make_unique<SearchSubsystem>(SearchSubsystem::Services{
        m_store, m_prompter, DataFolder::path(), m_commands, [this] { return GetActiveBrowser(); },
        [this](const QString &address) { NavigateActiveBrowser(address); }, this});
    m_spellCheck = std::make_unique<SpellCheckTool>(SpellCheckTool::Services{
        m_commands, m_prompter, DataFolder::path(), this, [this] { return GetActiveDocument(); },
        [this](const QString &address) { AddBrowserTab(address); }, [this] { m_typingAids.LoadTypingAids(); },
        HunspellDictionary::systemFolders()});
    m_translate = std::make_unique<TfrmTranslate>(
        m_commands, [this] { return m_addressBar->text(); },
        [this](const QString &address) { NavigateActiveBrowser(address); }, this);
    m_pageFormat = std::make_unique<PageFormat>(
        m_commands, m_prompter,
        PageFormat::Page{[this] { return GetActiveDocument(); }, [this](CommandTarget::Group group, int id, int option) {
            TKestrelWB *browser = GetActiveBrowser();
            return browser ? browser->ExecCommandTarget(group, id, option, m_prompter) : QVariant();
        }});
    CreatePostNotes();
    CreateWindowChrome();
    FormCreate();
}

TfrmKestrelBrowser::~TfrmKestrelBrowser() = default;

void TfrmKestrelBrowser::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window coming back from the minimized state is no new show.
    if (!event->spontaneous())
        FormShow();
}

void TfrmKestrelBrowser::FormShow()
{
    const bool firstShow = !m_shownBefore;
    m_shownBefore = true;
    if (firstShow) {
        m_chrome->RestoreBands();
        OpenFirstTabs();
    }
    HandleCommandLineAddress();
    if (firstShow)
        emit firstTabsOpened();
}

void TfrmKestrelBrowser::closeEvent(QCloseEvent *event)
{
    // A close that comes while a page call or an engine decision waits (a signal, a window
    // system request) would free views under their callers: it is made again once they are done.
    if (PageCallGate::busy()) {
        event->ignore();
        PageCallGate::report(this, [this] { close(); });
        return;
    }
    // A second close request (a signal during the close) finds nothing left to do.
    if (!Closing) {
        Closing = true;
        CloseMainWindow();
    }
    event->accept();
}

void TfrmKestrelBrowser::OpenFirstTabs()
{
    // Only a window that has not opened its tabs yet; later shows keep what is open.
    if (m_tabbed->tabs().count() > 1)
        return;
    const Workspace::FirstTabs first = m_workspace.firstTabs();
    if (first.fromWorkspace && !m_startRecord.restoreLastTabs(m_startPrompter)) {
        AddBrowserTab(QString());
        m_workspaceSaver.keepLastTabs();
        m_tabbed->status()->setPanelText(QStringLiteral("The tabs from last time are kept in workspace.dat "
                                                        "until you open, close or move a tab."));
        return;
    }
    TabSet &tabs = m_tabbed->tabs();
    tabs.OpenTogether([&] {
        for (const QString &address : first.addresses)
            AddBrowserTab(address);
        if (first.active >= 0 && first.active < tabs.count())
            tabs.SelectTab(first.active);
    });
    if (first.restoredFromBackup)
        m_tabbed->status()->setPanelText(QStringLiteral("The open tabs were restored from workspace.dat.bak: "
                                                        "workspace.dat was missing, empty or unreadable."));
}

void TfrmKestrelBrowser::OpenAddressInNewTab(const QString &address)
{
    AddBrowserTab(address);
}
