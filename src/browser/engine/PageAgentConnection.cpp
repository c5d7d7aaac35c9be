#include "browser/engine/PageAgentConnection.h"

#include "browser/engine/EngineProfile.h"
#include "browser/engine/PageAgentBridge.h"
#include "browser/engine/PageAgentScript.h"
#include "browser/engine/PageCallGate.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScriptCollection>

namespace {
int callTimeout = 2000;
}

struct PageAgentConnection::Request
{
    bool done = false;
    std::optional<QJsonValue> value;
};

PageAgentConnection::PageAgentConnection(QWebEnginePage *page)
    : QObject(page), m_page(page), m_channel(new QWebChannel(this)), m_bridge(new PageAgentBridge(this))
{
    // The agent goes with the page, not with the profile: the engine gives a page's own scripts
    // to every new page process, also one that replaces a process that died, which it does not
    // do for the profile's.
    page->scripts().insert(PageAgentScript::create(pageAgentSecret()));
    m_channel->registerObject(PageAgentScript::bridgeName(), m_bridge);
    page->setWebChannel(m_channel, PageAgentScript::world());
    connect(m_bridge, &PageAgentBridge::answered, this, &PageAgentConnection::settle);
    connect(m_bridge, &PageAgentBridge::fieldEdited, this, &PageAgentConnection::fieldEdited);
    connect(m_bridge, &PageAgentBridge::frameNavigated, this,
            [this](int frame, const QString &url) { emit frameNavigated(frame, QUrl(url)); });
    connect(m_bridge, &PageAgentBridge::frameCompleted, this,
            [this](int frame, const QString &url) { emit frameCompleted(frame, QUrl(url)); });
}

PageAgentConnection::~PageAgentConnection()
{
    if (m_page && m_page->webChannel() == m_channel)
        m_page->setWebChannel(nullptr, PageAgentScript::world());
}

QWebEnginePage *PageAgentConnection::page() const
{
    return m_page;
}

int PageAgentConnection::timeout() { return callTimeout; }
void PageAgentConnection::setTimeout(int milliseconds) { callTimeout = milliseconds; }

std::optional<QJsonValue> PageAgentConnection::call(const QString &target, const QString &operation,
                                                    const QJsonArray &arguments)
{
    if (!m_page || PageCallGate::busy())
        return std::nullopt;
    const int id = ++m_lastId;
    auto request = std::make_shared<Request>();
    m_requests[id] = request;

    QPointer<PageAgentConnection> self(this);
    m_page->runJavaScript(PageAgentScript::call(QJsonArray{id, target, operation, arguments}),
                          PageAgentScript::world(), [self, id](const QVariant &result) {
                              if (self)
                                  self->settle(id, result.toString());
                          });
    if (!request->done) {
        PageCallGate::Hold waiting;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.start(callTimeout);
        // The engine's replies come as posted events, which a loop nested in the handling of
        // another posted event does not always deliver by itself: each pass delivers them.
        while (self && !request->done && deadline.isActive()) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
        }
    }
    // The page (and this connection with it) may have gone while the call waited.
    if (self)
        m_requests.erase(id);
    return request->value;
}

void PageAgentConnection::post(const QString &target, const QString &operation, const QJsonArray &arguments)
{
    // Request number 0 is never waited for.
    if (m_page)
        m_page->runJavaScript(PageAgentScript::call(QJsonArray{0, target, operation, arguments}),
                              PageAgentScript::world());
}

void PageAgentConnection::settle(int id, const QString &result)
{
    const auto found = m_requests.find(id);
    if (found == m_requests.end() || found->second->done)
        return;
    const QJsonObject answer = QJsonDocument::fromJson(result.toUtf8()).object();
    // The agent passes the call on to another frame; the answer follows through the channel.
    if (answer.contains(QLatin1String("p")))
        return;
    Request &request = *found->second;
    request.done = true;
    if (answer.contains(QLatin1String("v")))
        request.value = answer.value(QLatin1String("v"));
}

void PageAgentConnection::flushFrameReports()
{
    call(QStringLiteral("0"), QStringLiteral("flush"));
}
