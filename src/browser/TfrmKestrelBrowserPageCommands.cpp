// The main window's page commands and menus, the focused document they work on, the HTML
// dialog and the typing-aid setup window.
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "pagetools/ActiveDocument.h"
#include "pagetools/PageCommands.h"
#include "sponsor/ShowHtmlDialog.h"
#include "typing/RunAutoCompleteSetup.h"
#include "ui/CommandIds.h"
#include "ui/PopupMenuStandard.h"


void TfrmKestrelBrowser::CreatePageCommands()
{
    PageCommands::Page page;
    page.activeBrowser = [this] { return GetActiveBrowser(); };
    page.activeDocument = [this] { return GetActiveDocument(); };
    page.addBrowserTab = [this](const QString &address) { AddBrowserTab(address); };
    m_pageCommands = std::make_unique<PageCommands>(m_commands, m_prompter, std::move(page), m_pageAsText);
    m_commands.add(CommandIds::AutoCompleteSetup, QStringLiteral("&Auto Complete Setup"), QString(), {},
                   [this] { AutoCompleteSetup1Click(); });

    m_popupMenuStandard = new class PopupMenuStandard(this);
    m_popupMenuStandard->attach(m_tabbed->cboURLAddress());
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
