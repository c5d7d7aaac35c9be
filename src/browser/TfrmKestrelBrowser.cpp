#include "browser/TfrmKestrelBrowser.h"

#include "browser/StartPage.h"
#include "browser/TKestrelWB.h"

#include <QCloseEvent>
#include <QShowEvent>

TfrmKestrelBrowser::TfrmKestrelBrowser(ControlFactory controlFactory, QWidget *parent)
    : QMainWindow(parent), m_controlFactory(std::move(controlFactory))
{
    setWindowTitle(QStringLiteral("Kestrel Browser"));
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
    // One browser view serves as the only tab until the tab set holds several.
    if (!m_browser) {
        m_browser = CreateBrowserView();
        setCentralWidget(m_browser);
    }
    if (address.isEmpty())
        m_browser->GoHome();
    else
        m_browser->Navigate(address);
}

TKestrelWB *TfrmKestrelBrowser::CreateBrowserView()
{
    auto *view = new TKestrelWB(this, m_controlFactory ? m_controlFactory() : nullptr);
    view->setHomepage(productStartPage());
    connect(view, &TKestrelWB::TitleChange, this, [this](TKestrelWB *, const QString &title) {
        setWindowTitle(QStringLiteral("Kestrel Browser - [") + title + QStringLiteral("]"));
    });
    return view;
}
