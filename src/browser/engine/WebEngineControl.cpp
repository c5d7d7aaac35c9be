#include "browser/engine/WebEngineControl.h"

#include "browser/BrowserControlHost.h"
#include "browser/CrashedPage.h"
#include "browser/HostInfoFlags.h"
#include "browser/engine/EngineCommandTarget.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/EngineProfile.h"
#include "browser/engine/EngineWindow.h"
#include "browser/engine/PageAgentConnection.h"
#include "browser/engine/PageAgentHandle.h"
#include "browser/engine/PageCallGate.h"

#include <QJsonArray>
#include <QPointer>
#include <QRegularExpression>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
// The engine names an untitled page by its address, shortened: without "http://", and without
// the slash after a bare host name. That is no title.
bool isAddressName(const QString &title, const QUrl &url)
{
    if (title.isEmpty())
        return false;
    if (title == url.toString() || title == url.toDisplayString())
        return true;
    QString bare = url.toDisplayString(QUrl::RemoveScheme).remove(QRegularExpression(QStringLiteral("^//")));
    if (title == bare)
        return true;
    if (bare.endsWith(QLatin1Char('/')))
        bare.chop(1);
    return title == bare;
}
}

WebEngineControl::WebEngineControl(QObject *parent)
    : BrowserControl(parent), m_view(new QWebEngineView), m_page(new EnginePage(engineProfile(), m_view))
{
    m_view->setPage(m_page);
    m_agent = new PageAgentConnection(m_page);
    m_commandTarget = new EngineCommandTarget(*m_view, this);
    connectPage();
}

WebEngineControl::~WebEngineControl()
{
    // The view is owned by the browser view's layout once placed; delete it only if it never was.
    if (m_view && !m_view->parent())
        delete m_view;
}

void WebEngineControl::connectPage()
{
    m_page->setNavigationFilter(
        [this](const QUrl &url, bool isMainFrame) { return beforeNavigate(url, isMainFrame); });
    connect(m_page, &QWebEnginePage::loadStarted, this, [this] {
        m_loading = true;
        report([this] { host()->controlProgressChange(0, 100); });
    });
    connect(m_page, &QWebEnginePage::loadProgress, this,
            [this](int progress) { report([this, progress] { host()->controlProgressChange(progress, 100); }); });
    connect(m_page, &QWebEnginePage::urlChanged, this, [this](const QUrl &changed) {
        const QUrl url = shownUrl(changed);
        report([this, url] {
            reportHistory();
            host()->controlNavigateComplete(0, url);
        });
    });
    // An untitled page is named by its whole address, as the title rule of the captions expects.
    connect(m_page, &QWebEnginePage::titleChanged, this, [this](const QString &title) {
        // The crashed page goes by the title of the page it stands in for.
        const QString named = m_crashed ? (m_crashed->title.isEmpty() ? m_crashed->url.toString() : m_crashed->title)
                                        : (isAddressName(title, m_page->url()) ? m_page->url().toString() : title);
        report([this, named] { host()->controlTitleChange(named); });
    });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) { renderProcessTerminated(status); });
    connect(m_page, &QWebEnginePage::loadFinished, this, [this](bool) {
        m_loading = false;
        m_navigationPending = false;
        PageCallGate::report(this, [this] { loadFinished(); });
    });
    connect(m_page, &QWebEnginePage::linkHovered, this,
            [this](const QString &url) { report([this, url] { host()->controlStatusTextChange(url); }); });
    connect(m_page, &QWebEnginePage::windowCloseRequested, this,
            [this] { report([this] { host()->controlWindowCloseRequested(); }); });
    connect(m_page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest &request) { newWindowRequested(request); });
    connect(m_agent, &PageAgentConnection::fieldEdited, this, &BrowserControl::fieldEdited);
    connect(m_agent, &PageAgentConnection::frameNavigated, this, [this](int frame, const QUrl &url) {
        report([this, frame, url] { host()->controlNavigateComplete(frame, url); });
    });
    connect(m_agent, &PageAgentConnection::frameCompleted, this, [this](int frame, const QUrl &url) {
        report([this, frame, url] { host()->controlDocumentComplete(frame, url); });
    });
}

void WebEngineControl::report(std::function<void()> notify)
{
    PageCallGate::report(this, [this, notify = std::move(notify)] {
        if (host())
            notify();
    });
}

void WebEngineControl::loadFinished()
{
    // The frames' reports come first, as their documents completed before the page did.
    QPointer<WebEngineControl> self(this);
    m_agent->flushFrameReports();
    if (!self)
        return;
    report([this] {
        // The engine ends a load without a last progress report; progress -1 is "done".
        host()->controlProgressChange(-1, 100);
        reportHistory();
        host()->controlDocumentComplete(0, url());
    });
}

void WebEngineControl::renderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // The stand-in's own process dying keeps the page it stands in for.
    if (!m_crashed)
        m_crashed = Crashed{m_page->url(), title()};
    m_loading = false;
    m_navigationPending = false;
    // The engine takes no new load from inside its report of the dead process.
    QMetaObject::invokeMethod(this, &WebEngineControl::showCrashedPage, Qt::QueuedConnection);
}

void WebEngineControl::showCrashedPage()
{
    if (!m_crashed)
        return;
    // No base address: the page is of no origin, with no reach into the page that died.
    showHtml(CrashedPage(m_crashed->url).html(), QUrl());
}

QUrl WebEngineControl::shownUrl(const QUrl &url) const
{
    return m_crashed ? m_crashed->url : url;
}

bool WebEngineControl::beforeNavigate(const QUrl &url, bool isMainFrame)
{
    if (isMainFrame && m_crashed) {
        // The crashed page is the program's own and is not announced; any other page ends it.
        if (url.scheme() == QLatin1String("data"))
            return true;
        m_crashed.reset();
    }
    if (!host())
        return true;
    // The engine waits for the answer: the page is not asked anything meanwhile.
    PageCallGate::Hold engineWaits;
    const bool proceed = host()->controlBeforeNavigate(isMainFrame ? 0 : BrowserFrame::UnnamedSubframe, url);
    if (isMainFrame)
        m_navigationPending = false;
    return proceed;
}

void WebEngineControl::newWindowRequested(QWebEngineNewWindowRequest &request)
{
    PageCallGate::Hold engineWaits;
    bool cancel = false;
    BrowserControl *target = host() ? host()->controlNewWindow(cancel) : nullptr;
    if (cancel)
        return;
    auto *engineTarget = qobject_cast<WebEngineControl *>(target);
    if (!engineTarget) {
        // Nobody took the page: it opens in a plain window of the engine's own.
        auto *window = new EngineWindow(request.requestedGeometry());
        engineTarget = window->control();
        window->show();
    }
    // The view handed over takes the engine's new window itself, whatever it showed or was
    // loading: a posted form keeps its data, the page keeps its opener, a page written by
    // script keeps its content.
    engineTarget->adopt(request);
}

void WebEngineControl::adopt(QWebEngineNewWindowRequest &request)
{
    // Whatever this page was loading is thrown away with it; the adopted one reports its own load.
    m_loading = false;
    m_navigationPending = false;
    request.openIn(m_page);
}

void WebEngineControl::reportHistory()
{
    host()->controlHistoryChange(m_page->history()->canGoBack(), m_page->history()->canGoForward());
}

QWidget *WebEngineControl::widget() { return m_view; }

void WebEngineControl::navigate(const QUrl &url)
{
    // Busy from the request on: the engine reports the start of the load only later.
    m_navigationPending = true;
    m_page->load(url);
}
void WebEngineControl::showHtml(const QString &html, const QUrl &baseUrl)
{
    m_navigationPending = true;
    m_page->setHtml(html, baseUrl);
}

void WebEngineControl::goBack() { m_page->triggerAction(QWebEnginePage::Back); }
void WebEngineControl::goForward() { m_page->triggerAction(QWebEnginePage::Forward); }
void WebEngineControl::refresh()
{
    // Reloading the crashed page would show it again: the page that died is loaded instead.
    if (m_crashed)
        navigate(m_crashed->url);
    else
        m_page->triggerAction(QWebEnginePage::Reload);
}
void WebEngineControl::stop() { m_page->triggerAction(QWebEnginePage::Stop); }

QString WebEngineControl::title() const
{
    if (m_crashed)
        return m_crashed->title;
    const QString title = m_page->title();
    return isAddressName(title, m_page->url()) ? QString() : title;
}

QUrl WebEngineControl::url() const { return shownUrl(m_page->url()); }
bool WebEngineControl::isLoading() const { return m_loading || m_navigationPending; }

std::shared_ptr<PageDocument> WebEngineControl::document()
{
    if (m_page->url().isEmpty())
        return nullptr;
    return PageAgentHandle(m_agent, QStringLiteral("0")).document(QStringLiteral("document"));
}

void WebEngineControl::focusPage()
{
    m_view->setFocus(Qt::OtherFocusReason);
}

void WebEngineControl::applyHostInfoFlags(quint32 flags)
{
    // Flat scroll bars and the forms autocomplete have no engine equivalent; the 3D border is
    // drawn by the browser view's frame.
    Q_UNUSED(flags);
}

void WebEngineControl::applyDownloadControl(quint32 flags)
{
    QWebEngineSettings *settings = m_page->settings();
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, flags & DownloadControl::Images);
    // Videos and background sounds may start by themselves only when both are allowed.
    const quint32 media = DownloadControl::Videos | DownloadControl::BackgroundSounds;
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, (flags & media) != media);
}

QVariant WebEngineControl::execCommandTarget(CommandTarget::Group group, int id, int option, Prompter &prompter)
{
    return m_commandTarget->exec(group, id, option, prompter);
}

void WebEngineControl::answerFieldEdit(const QString &field, const QString &expected, const QString &value,
                                       int caret)
{
    // The page goes on while the answer travels: the agent checks the field when it arrives.
    m_agent->post(field, QStringLiteral("answerFieldEdit"), QJsonArray{expected, value, caret});
}
