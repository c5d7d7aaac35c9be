#include "browser/TfrmKestrelBrowser.h"

#include "browser/TabbedBrowser.h"
#include "typing/InPageTypingAids.h"
#include "typing/PageFieldEdits.h"
#include "typing/PageKeyFilter.h"

#include <QCloseEvent>
#include <QShowEvent>

TfrmKestrelBrowser::TfrmKestrelBrowser(ControlFactory controlFactory, QWidget *parent)
    : QMainWindow(parent), m_controlFactory(std::move(controlFactory)), m_prompter(this)
{
    setWindowTitle(QStringLiteral("Kestrel Browser"));
    CreateTabSet();
    FormCreate();
}

TfrmKestrelBrowser::~TfrmKestrelBrowser() = default;

void TfrmKestrelBrowser::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A window coming back from the minimized state is no new show.
    if (!event->spontaneous())
        FormShow();
}

void TfrmKestrelBrowser::FormShow()
{
    const bool firstShow = !m_shownBefore;
    m_shownBefore = true;
    if (firstShow)
        OpenFirstTabs();
    HandleCommandLineAddress();
    if (firstShow)
        emit firstTabsOpened();
}

void TfrmKestrelBrowser::closeEvent(QCloseEvent *event)
{
    Closing = true;
    WriteWindowSettings();
    event->accept();
}

void TfrmKestrelBrowser::OpenFirstTabs()
{
    // The homepage; restoring the workspace (or the default group or start pages) replaces it.
    OpenAddressInNewTab(QString());
}

void TfrmKestrelBrowser::OpenAddressInNewTab(const QString &address)
{
    AddBrowserTab(address);
}
