#include "browser/TKestrelWB.h"

#include "browser/BrowserControl.h"
#include "browser/CommandState.h"
#include "browser/HostInfoFlags.h"
#include "browser/StartPage.h"
#include "browser/engine/WebEngineControl.h"

#include <QVBoxLayout>

namespace {
QUrl addressToUrl(const QString &address)
{
    const QString text = engineAddressOf(address).trimmed();
    const QUrl url = QUrl::fromUserInput(text);
    if (url.isValid() || text.isEmpty())
        return url;
    // Text that makes no address ("hello world") is asked for as a host all the same, so that
    // the engine shows its error page for it instead of a blank page.
    return QUrl(QStringLiteral("http:") + text, QUrl::TolerantMode);
}

QString shown(const QUrl &url)
{
    return shownAddressOf(url.toString());
}
}

TKestrelWB::TKestrelWB(QWidget *parent, std::unique_ptr<BrowserControl> control)
    : QFrame(parent), m_control(std::move(control)), m_downloadOptions(DownloadControl::Default)
{
    if (!m_control)
        m_control = std::make_unique<WebEngineControl>();
    m_control->setHost(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_control->widget());
    setFocusProxy(m_control->widget());
    m_control->applyDownloadControl(m_downloadOptions);
    applyHostInfo(0);
}

TKestrelWB::~TKestrelWB()
{
    m_control->setHost(nullptr);
}

void TKestrelWB::Navigate(const QString &address)
{
    // An empty address (an empty homepage) goes nowhere, and the view does not become busy.
    if (address.trimmed().isEmpty())
        return;
    m_requestedAddress = address.trimmed();
    m_control->navigate(addressToUrl(address));
}

void TKestrelWB::ShowHtml(const QString &html, const QUrl &baseUrl)
{
    m_control->showHtml(html, baseUrl);
}

void TKestrelWB::Navigate2(const QString &address)
{
    Navigate(address);
}

QVariant TKestrelWB::ExecCommandTarget(CommandTarget::Group group, int id, int option, Prompter &prompter)
{
    if (m_control->url().isEmpty())
        return {};
    return m_control->execCommandTarget(group, id, option, prompter);
}

void TKestrelWB::GoBack() { m_control->goBack(); }
void TKestrelWB::GoForward() { m_control->goForward(); }
void TKestrelWB::Refresh() { m_control->refresh(); }
void TKestrelWB::Stop() { m_control->stop(); }

void TKestrelWB::GoHome()
{
    Navigate(m_homepage);
}

QString TKestrelWB::LocationName() const
{
    const QString title = m_control->title();
    if (!title.isEmpty())
        return title;
    // Without a title the name is the file name of the address, as for a plain file.
    const QUrl url = m_control->url();
    return url.fileName().isEmpty() ? url.toDisplayString() : url.fileName();
}

QString TKestrelWB::LocationURL() const
{
    const QUrl url = m_control->url();
    return url.isEmpty() ? QString() : shown(url);
}

bool TKestrelWB::Busy() const { return m_control->isLoading(); }

BrowserFrame TKestrelWB::Application() const { return frameOf(0); }

std::shared_ptr<PageDocument> TKestrelWB::Document() const { return m_control->document(); }

void TKestrelWB::SetFocus()
{
    m_control->focusPage();
}

void TKestrelWB::setDownloadOptions(quint32 flags)
{
    m_downloadOptions = flags;
    m_control->applyDownloadControl(flags);
}

void TKestrelWB::applyHostInfo(quint32 flags)
{
    // Without the no-3D-border flag the view keeps the classic sunken frame around the page.
    if (flags & HostInfoFlags::No3DBorder)
        setFrameStyle(QFrame::NoFrame);
    else
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_control->applyHostInfoFlags(flags);
}

quint32 TKestrelWB::controlHostInfoFlags()
{
    const quint32 flags = OnGetHostInfo ? OnGetHostInfo(this) : 0;
    applyHostInfo(flags);
    return flags;
}

bool TKestrelWB::controlBeforeNavigate(int frame, const QUrl &url)
{
    bool cancel = false;
    if (OnBeforeNavigate2)
        OnBeforeNavigate2(this, frameOf(frame), shown(url), cancel);
    // A new top-level document is drawn with the host information asked for afresh.
    if (!cancel && frame == 0)
        controlHostInfoFlags();
    return !cancel;
}

BrowserControl *TKestrelWB::controlNewWindow(bool &cancel)
{
    TKestrelWB *newView = nullptr;
    cancel = false;
    if (OnNewWindow2)
        OnNewWindow2(this, newView, cancel);
    if (cancel || !newView)
        return nullptr;
    return newView->control();
}

void TKestrelWB::controlNavigateComplete(int frame, const QUrl &url)
{
    emit NavigateComplete2(this, frameOf(frame), shown(url));
}

void TKestrelWB::controlDocumentComplete(int frame, const QUrl &url)
{
    emit DocumentComplete(this, frameOf(frame), shown(url));
}

void TKestrelWB::controlTitleChange(const QString &title)
{
    emit TitleChange(this, title);
}

void TKestrelWB::controlStatusTextChange(const QString &text)
{
    emit StatusTextChange(this, text);
}

void TKestrelWB::controlProgressChange(int progress, int maximum)
{
    emit ProgressChange(this, progress, maximum);
}

void TKestrelWB::controlHistoryChange(bool canGoBack, bool canGoForward)
{
    if (canGoForward != m_canGoForward) {
        m_canGoForward = canGoForward;
        emit CommandStateChange(this, CommandState::Forward, canGoForward);
    }
    if (canGoBack != m_canGoBack) {
        m_canGoBack = canGoBack;
        emit CommandStateChange(this, CommandState::Back, canGoBack);
    }
}

void TKestrelWB::controlWindowCloseRequested()
{
    emit WindowClosing(this);
}
