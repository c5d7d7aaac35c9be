// The main window's page commands and menus, the focused document they work on, the HTML
// dialog and the typing-aid setup window.
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/tabs/TabMenus.h"
#include "pagetools/ActiveDocument.h"
#include "pagetools/PageCommands.h"
#include "sponsor/ShowHtmlDialog.h"
#include "typing/RunAutoCompleteSetup.h"
#include "ui/CommandIds.h"
#include "ui/PopupMenuStandard.h"

#include <QMenu>
#include <QMenuBar>

void TfrmKestrelBrowser::CreatePageCommands()
{
    PageCommands::Page page;
    page.activeBrowser = [this] { return GetActiveBrowser(); };
    page.activeDocument = [this] { return GetActiveDocument(); };
    page.addBrowserTab = [this](const QString &address) { AddBrowserTab(address); };
    m_pageCommands = std::make_unique<PageCommands>(m_commands, m_prompter, std::move(page), m_pageAsText);
    m_commands.add(CommandIds::AutoCompleteSetup, QStringLiteral("&Auto Complete Setup"), QString(), {},
                   [this] { AutoCompleteSetup1Click(); });
    CreatePageMenus();

    m_popupMenuStandard = new class PopupMenuStandard(this);
    m_popupMenuStandard->attach(m_tabbed->cboURLAddress());
}

void TfrmKestrelBrowser::CreatePageMenus()
{
    const auto add = [this](QMenu *menu, const QString &id, QAction *before = nullptr) {
        menu->insertAction(before, m_commands.createAction(id, menu));
    };

    // File: the page entries go above "Close Page".
    QMenu *file = m_tabbed->fileMenu();
    QAction *closePage = file->actions().isEmpty() ? nullptr : file->actions().constLast();
    add(file, CommandIds::Open, closePage);
    add(file, CommandIds::SaveAs, closePage);
    add(file, CommandIds::ViewAsText, closePage);
    file->insertSeparator(closePage);
    add(file, CommandIds::Properties, closePage);
    add(file, CommandIds::PageSetup, closePage);
    add(file, CommandIds::Print, closePage);
    file->insertSeparator(closePage);

    QMenuBar *bar = menuBar();
    QMenu *edit = new QMenu(QStringLiteral("&Edit"), bar);
    edit->setObjectName(QStringLiteral("PopupMenuEdit"));
    bar->insertMenu(m_tabbed->viewMenu()->menuAction(), edit);
    for (const QString &id : {CommandIds::Cut, CommandIds::Copy, CommandIds::Paste})
        add(edit, id);
    edit->addSeparator();
    add(edit, CommandIds::SelectAll);
    edit->addSeparator();
    add(edit, CommandIds::Find);
    connect(edit, &QMenu::aboutToShow, this, [this] { m_pageCommands->PopupMenuEditPopup(); });

    QMenu *view = m_tabbed->viewMenu();
    view->addSeparator();
    add(view, CommandIds::ViewSource);
    add(view, CommandIds::InternetOptions);

    QMenu *go = m_tabbed->goMenu();
    go->addSeparator();
    for (const QString &id : {CommandIds::MyComputer, CommandIds::Desktop, CommandIds::StartMenu})
        add(go, id);
    go->addSeparator();
    add(go, CommandIds::BrowseForFolder);

    add(m_tabbed->optionsMenu(), CommandIds::AutoCompleteSetup);
}

std::shared_ptr<PageDocument> TfrmKestrelBrowser::GetActiveDocument() const
{
    const TKestrelWB *browser = GetActiveBrowser();
    return browser ? focusedDocumentOf(browser->Document()) : nullptr;
}

void TfrmKestrelBrowser::ShowHtmlDialog(const QString &address, int width, int height)
{
    ::ShowHtmlDialog(address, width, height, [this](const QString &link) { NavigateActiveBrowser(link); }, this);
}

void TfrmKestrelBrowser::AutoCompleteSetup1Click()
{
    runAutoCompleteSetup(this, m_typingAids, m_store, m_prompter,
                         [this](const QString &address, int width, int height) { ShowHtmlDialog(address, width, height); });
}
