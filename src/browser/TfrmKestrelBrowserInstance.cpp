// Addresses the main window takes from outside: its command line, later starts of the program
// and the shell's open requests.
#include "browser/TfrmKestrelBrowser.h"

#include "shell/DdeOpenRequest.h"

void TfrmKestrelBrowser::HandleCommandLineAddress()
{
    if (m_commandLineAddress && m_openRequests.admit(*m_commandLineAddress))
        OpenAddressInNewTab(*m_commandLineAddress);
}

void TfrmKestrelBrowser::WMCopyData(const QString &address)
{
    OpenAddressInNewTab(address);
    BringToFront();
}

void TfrmKestrelBrowser::ShowInstanceRequest()
{
    // Coming back from the minimized state, the window takes the state it had before.
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    BringToFront();
}

void TfrmKestrelBrowser::WWW_OpenURLExecuteMacro(const QStringList &lines)
{
    const QString text = DdeOpenRequest::requestText(lines);
    if (m_openRequests.admit(text))
        OpenAddressInNewTab(text);
    show();
    raise();
}

void TfrmKestrelBrowser::BringToFront()
{
    show();
    raise();
    activateWindow();
}
