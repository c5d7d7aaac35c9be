// How the main window closes: the workspace list, freeing the tabs' views and writing settings.
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/tabs/BrowserTab.h"

void TfrmKestrelBrowser::CloseMainWindow()
{
    // Unused libraries are unloaded by the system, and the working lists are members freed with
    // the window; the workspace is first. The list written below takes over from the writes
    // during the run, which must not follow with the emptied tab set.
    m_workspaceSaver.stop();
    TabSet &tabs = m_tabbed->tabs();
    QStringList workspace;
    for (int i = 0; i < tabs.count(); ++i) {
        const BrowserTab *tab = tabs.tabAt(i);
        const TKestrelWB *view = tab ? tab->browser() : nullptr;
        if (!view)
            continue;
        const QString location = view->LocationURL();
        LeavePageForNotes(location);
        if (!location.trimmed().isEmpty())
            workspace.append(location);
    }
    // No view is left running while the settings are written.
    for (int i = tabs.count() - 1; i >= 0; --i) {
        if (BrowserTab *tab = tabs.tabAt(i))
            delete tab->browser();
    }
    m_workspace.save(workspace);
    WriteWindowSettings();
}

void TfrmKestrelBrowser::LeavePageForNotes(const QString &location)
{
    Q_UNUSED(location);
}
