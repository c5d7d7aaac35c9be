#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/status/StatusArea.h"
#include "browser/tabs/TabSet.h"
#include "pagetools/ActiveDocument.h"
#include "typing/InPageTypingAids.h"
#include "typing/PageFieldEdits.h"
#include "typing/PageKeyFilter.h"
#include "ui/ApplicationMessageHook.h"

#include <QEvent>

void TfrmKestrelBrowser::InstallPageKeyFilter()
{
    m_inPageAids = std::make_unique<InPageTypingAids>(InPageTypingAids::Collaborators{
        [this] {
            TKestrelWB *view = GetActiveBrowser();
            return view ? focusedDocumentOf(view->Document()) : nullptr;
        },
        &m_typingAids, &m_store});
    m_fieldEdits = std::make_unique<PageFieldEdits>(*m_inPageAids, [this](BrowserControl *control) {
        TKestrelWB *view = GetActiveBrowser();
        return view && view->control() == control && !view->Busy();
    });
    connect(&m_tabbed->tabs(), &TabSet::BrowserCreated, m_fieldEdits.get(),
            [this](TKestrelWB *view) { m_fieldEdits->watch(view->control()); });
    m_pageKeyFilter = std::make_unique<PageKeyFilter>(
        *m_inPageAids, m_commands,
        PageKeyFilter::Operations{[this] { return GetActiveBrowser(); },
                                  [this] { return m_tabbed->status()->panelText(); },
                                  [this] { AddBrowserTab(QString()); }, [this] { ViewSource(); },
                                  [this] { FillPersonalInfo(); }});
    ApplicationMessageHook::set(m_pageKeyFilter.get());
}

void TfrmKestrelBrowser::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // Activation saves the hook then in place and puts the key filter in; deactivation puts the
    // saved one back. Unless another window changed the hook, the filter stays for the run.
    if (isActiveWindow()) {
        m_hookBeforeActivation = ApplicationMessageHook::current();
        ApplicationMessageHook::set(m_pageKeyFilter.get());
    } else {
        ApplicationMessageHook::set(m_hookBeforeActivation);
    }
}

void TfrmKestrelBrowser::RestoreMessageHook()
{
    ApplicationMessageHook::set(m_hookBeforeActivation);
    // No completion may reach a page that is being freed.
    m_inPageAids->tmrHTMLForm().stop();
}


// Filled by the page source viewer.
void TfrmKestrelBrowser::ViewSource() {}
