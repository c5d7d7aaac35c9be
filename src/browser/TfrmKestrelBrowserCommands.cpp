// The main window's own commands: Exit, the address bar, the workspace, new windows and the
// homepage, with their menu entries.
#include "browser/AddressBar.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmHomepage.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/TfrmNewWindow.h"
#include "browser/tabs/TabMenus.h"
#include "ui/CommandIds.h"

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
                    m_workspaceSaver.tabsChanged();
            });
}

void TfrmKestrelBrowser::CreateWindowCommands()
{
    const auto add = [this](const QString &id, const QString &caption, std::function<void()> handler) {
        return m_commands.add(id, caption, QString(), QKeySequence(), std::move(handler));
    };
    add(CommandIds::Exit, QStringLiteral("E&xit"), [this] { close(); });
    Command *saveWorkspace = add(CommandIds::SaveWorkspace, QStringLiteral("&Save Workspace on Exit"), [this] {
        m_workspace.toggleSaveWorkspace();
        // Turned on, the file catches up with the tabs open now.
        m_workspaceSaver.tabsChanged();
    });
    saveWorkspace->setCheckable(true);
    add(CommandIds::GoToAddress, QStringLiteral("&Go To Address"), [this] { m_addressBar->GoToAddress(); });
    add(CommandIds::FocusAddress, QString(), [this] { m_addressBar->focusForTyping(); });
    add(CommandIds::ClearTypedUrls, QStringLiteral("Clear Typed &URL List"),
        [this] { m_addressBar->ClearTypedURLList(); });
    add(CommandIds::NewWindowSettings, QStringLiteral("&New Window Settings"),
        [this] { TfrmNewWindow::ask(m_store, this); });
    add(CommandIds::HomepageSetup, QStringLiteral("&Homepage Setup"),
        [this] { TfrmHomepage::ask(m_store, m_prompter, m_addressBar->text(), this); });

    QMenu *file = m_tabbed->fileMenu();
    file->addSeparator();
    file->addAction(m_commands.createAction(CommandIds::Exit, file));

    QMenu *options = m_tabbed->optionsMenu();
    for (const QString &id : {CommandIds::SaveWorkspace, CommandIds::ClearTypedUrls, CommandIds::NewWindowSettings,
                              CommandIds::HomepageSetup})
        options->addAction(m_commands.createAction(id, options));
    connect(options, &QMenu::aboutToShow, this,
            [this, saveWorkspace] { saveWorkspace->setChecked(m_workspace.saveWorkspace()); });

    QMenu *sheet = m_tabbed->menus().PopupMenuTabSheet();
    sheet->insertAction(m_tabbed->menus().ArrangeBrowserTabs()->menuAction(),
                        m_commands.createAction(CommandIds::GoToAddress, sheet));

    TabSet &tabs = m_tabbed->tabs();
    connect(&tabs, &TabSet::BrowserCreated, this, &TfrmKestrelBrowser::ConnectBrowserView);
    connect(&tabs, &TabSet::tabsChanged, &m_workspaceSaver, &WorkspaceSaver::tabsChanged);
}
