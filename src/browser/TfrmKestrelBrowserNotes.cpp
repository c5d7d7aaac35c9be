// The notes stuck on pages: loaded when a view reaches a page, saved when it leaves it, when
// its tab closes and when the window closes.
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/status/PageEvents.h"
#include "pagetools/notes/PostNotes.h"

void TfrmKestrelBrowser::CreatePostNotes()
{
    m_postNotes = std::make_unique<PostNotes>(PostNotes::Services{
        m_commands, m_store, m_prompter, DataFolder::path(), [this]() -> QWidget * { return GetActiveBrowser(); },
        TPostNoteDlg::windowOver(this)});
    PageEvents &events = m_tabbed->events();
    connect(&events, &PageEvents::PageLeaving, m_postNotes.get(),
            [this](TKestrelWB *view, const QString &location) { m_postNotes->SaveNotes(view, location); });
    connect(&events, &PageEvents::PageReached, m_postNotes.get(),
            [this](TKestrelWB *view, const QString &address) { m_postNotes->LoadNotes(view, address); });
    connect(&m_tabbed->tabs(), &TabSet::BrowserClosing, m_postNotes.get(),
            [this](TKestrelWB *view) { LeavePageForNotes(view); });
}

void TfrmKestrelBrowser::LeavePageForNotes(TKestrelWB *view)
{
    m_postNotes->SaveNotes(view, view->LocationURL().trimmed());
}
