#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <map>
#include <memory>
#include <optional>

class PageAgentBridge;
class QWebChannel;
class QWebEnginePage;

// The program's line to the page agents of one page. A call names its target by the handle
// the agent gave out ("frame", "frame:document" or "frame:document:element") and waits for the
// answer on an event loop that takes no user input, for a bounded time. While one call waits,
// or while the engine waits for a decision, a call fails at once (see PageCallGate). Every
// failure (timeout, page gone, stale handle, an element of the wrong kind) gives no answer.
class PageAgentConnection : public QObject
{
    Q_OBJECT
public:
    // Becomes a child of the page, installs the agent in it for every frame and registers its
    // web channel in the agent's world.
    explicit PageAgentConnection(QWebEnginePage *page);
    ~PageAgentConnection() override;

    QWebEnginePage *page() const;

    std::optional<QJsonValue> call(const QString &target, const QString &operation,
                                   const QJsonArray &arguments = {});

    // Sends a call and goes on at once; its answer is dropped.
    void post(const QString &target, const QString &operation, const QJsonArray &arguments);

    // Waits until every frame report sent so far has been delivered.
    void flushFrameReports();

    // How long a call waits for the page, in milliseconds.
    static int timeout();
    static void setTimeout(int milliseconds);

signals:
    void frameNavigated(int frame, const QUrl &url);
    void frameCompleted(int frame, const QUrl &url);
    void fieldEdited(const QString &field, bool typedSpace, const QString &value, int caret);

private:
    struct Request;

    void settle(int id, const QString &result);

    QPointer<QWebEnginePage> m_page;
    QWebChannel *m_channel;
    PageAgentBridge *m_bridge;
    int m_lastId = 0;
    std::map<int, std::shared_ptr<Request>> m_requests;
};
