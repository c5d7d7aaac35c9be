// How the main window closes: the workspace list, freeing the tabs' views and writing settings.
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/engine/EngineWindow.h"
#include "browser/tabs/BrowserTab.h"
#include "ui/WindowChrome.h"

void TfrmKestrelBrowser::CloseMainWindow()
{
    // Unused libraries are unloaded by the system, and the working lists are members freed with
    // the window; the workspace is first. The list written below takes over from the writes
    // during the run, which must not follow with the emptied tab set.
    m_workspaceSaver.stop();
    RestoreMessageHook();
    TabSet &tabs = m_tabbed->tabs();
    for (int i = 0; i < tabs.count(); ++i) {
        const BrowserTab *tab = tabs.tabAt(i);
        if (TKestrelWB *view = tab ? tab->browser() : nullptr)
            LeavePageForNotes(view);
    }
    // A tab whose page has not reported its location yet keeps the address it was opened on,
    // so that closing while pages still load loses no tab; blank ones are left out.
    const QStringList workspace = tabs.locations();
    // No view is left running while the settings are written.
    for (int i = tabs.count() - 1; i >= 0; --i) {
        if (BrowserTab *tab = tabs.tabAt(i))
            delete tab->browser();
    }
    // Windows the engine opened for pages close with the main window, or the program would run on.
    EngineWindow::freeAll();
    // Tabs of last time that were not opened stay in the file until the user changed the tabs.
    if (!m_workspaceSaver.keepsLastTabs())
        m_workspace.save(workspace);
    // The placement and the floating bar's docking are those of the window out of full screen.
    m_chrome->tbFullscreenClick(false);
    WriteWindowSettings();
    m_chrome->SaveBands();
    m_startRecord.clear();
}
