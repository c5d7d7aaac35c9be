// The main window's tab set: PageControl1 and everything that follows its tabs.
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"

void TfrmKestrelBrowser::CreateTabSet()
{
    m_tabbed = std::make_unique<TabbedBrowser>(
        *this, m_commands, m_store, m_prompter, [this] { return Closing; },
        [this](QWidget *sheet) { return CreateBrowserView(sheet); });
}

TKestrelWB *TfrmKestrelBrowser::CreateBrowserView(QWidget *sheet)
{
    return new TKestrelWB(sheet, m_controlFactory ? m_controlFactory() : nullptr);
}

void TfrmKestrelBrowser::AddBrowserTab(const QString &address, const QString &caption)
{
    m_tabbed->tabs().AddBrowserTab(address, caption);
}

TKestrelWB *TfrmKestrelBrowser::GetActiveBrowser() const
{
    return m_tabbed->tabs().GetActiveBrowser();
}
