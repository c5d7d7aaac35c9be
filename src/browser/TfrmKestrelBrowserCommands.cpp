// The main window's own commands: Exit, the address bar, new windows and the homepage; the
// window chrome that places every command in menus and bars.
#include "browser/AddressBar.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmHomepage.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/TfrmNewWindow.h"
#include "browser/tabs/TabMenus.h"
#include "favorites/FavoritesAndGroups.h"
#include "favorites/TfrmFavorites.h"
#include "formdata/FormDataCommands.h"
#include "pagetools/PageCommands.h"
#include "search/SearchSubsystem.h"
#include "shell/DataFolder.h"
#include "ui/CommandIds.h"
#include "ui/WindowChrome.h"
#include "ui/options/KestrelOptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMenu>

void TfrmKestrelBrowser::CreateAddressBar()
{
    m_addressBar = std::make_unique<AddressBar>(
        m_tabbed->cboURLAddress(), m_store, m_prompter,
        [this](const QString &address) {
            NavigateActiveBrowser(address);
            // The address is on its way: the keyboard goes to the page.
            if (TKestrelWB *view = GetActiveBrowser())
                view->SetFocus();
        },
        [this](const QString &name) { return m_typingAids.valueOf(name); });
}

QStringList TfrmKestrelBrowser::typedUrls() const
{
    return m_addressBar->typedUrls();
}

void TfrmKestrelBrowser::NavigateActiveBrowser(const QString &address)
{
    if (TKestrelWB *view = GetActiveBrowser())
        view->Navigate(address);
    else
        AddBrowserTab(address);
}

void TfrmKestrelBrowser::ConnectBrowserView(TKestrelWB *view)
{
    view->OnNewWindow2 = [this](TKestrelWB *sender, TKestrelWB *&newView, bool &cancel) {
        m_newWindowPolicy.handle(sender, newView, cancel);
    };
    connect(view, &TKestrelWB::NavigateComplete2, this,
            [this](TKestrelWB *sender, BrowserFrame frame, const QString &) {
                if (frame == sender->Application())
                    m_workspaceSaver.pageChanged();
            });
}

void TfrmKestrelBrowser::CreateWindowCommands()
{
    const auto add = [this](const QString &id, const QString &caption, std::function<void()> handler) {
        return m_commands.add(id, caption, QString(), QKeySequence(), std::move(handler));
    };
    add(CommandIds::Exit, QStringLiteral("E&xit"), [this] { close(); });
    add(CommandIds::GoToAddress, QStringLiteral("&Go To Address"), [this] { m_addressBar->GoToAddress(); });
    add(CommandIds::FocusAddress, QString(), [this] { m_addressBar->focusForTyping(); });
    add(CommandIds::ClearTypedUrls, QStringLiteral("Clear Typed &URL List"),
        [this] { m_addressBar->ClearTypedURLList(); });
    add(CommandIds::NewWindowSettings, QStringLiteral("&New Window Settings"),
        [this] { TfrmNewWindow::ask(m_store, this); });
    add(CommandIds::HomepageSetup, QStringLiteral("&Homepage Setup"),
        [this] { TfrmHomepage::ask(m_store, m_prompter, m_addressBar->text(), this); });

    QMenu *sheet = m_tabbed->menus().PopupMenuTabSheet();
    sheet->insertAction(m_tabbed->menus().ArrangeBrowserTabs()->menuAction(),
                        m_commands.createAction(CommandIds::GoToAddress, sheet));

    TabSet &tabs = m_tabbed->tabs();
    connect(&tabs, &TabSet::BrowserCreated, this, &TfrmKestrelBrowser::ConnectBrowserView);
    connect(&tabs, &TabSet::tabsChanged, &m_workspaceSaver, &WorkspaceSaver::tabsChanged);

    CreateOptions();
}

void TfrmKestrelBrowser::CreateOptions()
{
    MailButton::Services mail;
    mail.addBrowserTab = [this](const QString &address) { AddBrowserTab(address); };
    mail.addressText = [this] { return m_addressBar->text(); };
    mail.pageTitle = [this] {
        TKestrelWB *view = GetActiveBrowser();
        return view ? view->LocationName() : QString();
    };
    mail.launch = &MailButton::launchDetached;
    mail.openUrl = &MailButton::openWithDesktop;
    m_options = std::make_unique<KestrelOptions>(this, m_store, m_prompter, m_commands, DataFolder::path(),
                                                 QCoreApplication::applicationFilePath(), std::move(mail));
}

void TfrmKestrelBrowser::CreateWindowChrome()
{
    m_chrome = std::make_unique<WindowChrome>(WindowChrome::Services{
        *this, m_commands, m_store, m_prompter, m_workspace,
        // Turned on, the file catches up with the tabs open now.
        [this] { m_workspaceSaver.tabsChanged(); },
        [this](const QString &address, const QString &caption) { AddBrowserTab(address, caption); },
        m_tabbed->pnlAnimate(), m_tabbed->cboURLAddress(), m_tabbed->menus().BrowserTabs(),
        m_tabbed->menus().PopupMenuTabs()});
    // The Edit menu's entries follow the focused document as it opens.
    connect(m_chrome->menu(QStringLiteral("&Edit")), &QMenu::aboutToShow, this,
            [this] { m_pageCommands->PopupMenuEditPopup(); });
    // So do the File menu's form data entries.
    connect(m_chrome->menu(QStringLiteral("&File")), &QMenu::aboutToShow, this,
            [this] { m_formDataCommands->FileMenuPopup(); });
    // The subsystems' bands and the favorites drop-down's closing hooks.
    m_chrome->setBandBar(QStringLiteral("QuickSearch"), m_search->quickSearchBar());
    m_chrome->setBandBar(QStringLiteral("QuickQuote"), m_search->quickQuoteBar());
    connect(m_chrome.get(), &WindowChrome::closeFavoritesDropDown, m_favorites->frmFavorites(),
            &TfrmFavorites::closeDropDown);
}
