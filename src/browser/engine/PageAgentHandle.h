#pragma once

#include <QJsonArray>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

class PageAgentConnection;
class PageDocument;
class PageElement;
class PageWindow;

// One object of a page as the engine classes hold it: the page's agent connection and the
// handle the agent gave out. Every read and write is one call; failures read as empty, false,
// zero or null.
class PageAgentHandle
{
public:
    PageAgentHandle(QPointer<PageAgentConnection> connection, QString key);

    const QString &key() const { return m_key; }
    PageAgentConnection *connection() const;
    // Another object of the same page.
    PageAgentHandle withKey(const QString &key) const { return PageAgentHandle(m_connection, key); }

    std::optional<QJsonValue> call(const QString &operation, const QJsonArray &arguments = {}) const;
    QString text(const QString &operation, const QJsonArray &arguments = {}) const;
    bool flag(const QString &operation, const QJsonArray &arguments = {}) const;
    int number(const QString &operation, int fallback, const QJsonArray &arguments = {}) const;

    // Calls that answer with an element, a window or a document of the page.
    std::shared_ptr<PageElement> element(const QString &operation, const QJsonArray &arguments = {}) const;
    std::shared_ptr<PageWindow> window(const QString &operation, const QJsonArray &arguments = {}) const;
    std::shared_ptr<PageDocument> document(const QString &operation, const QJsonArray &arguments = {}) const;

private:
    QPointer<PageAgentConnection> m_connection;
    QString m_key;
};
