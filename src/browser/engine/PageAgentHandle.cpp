#include "browser/engine/PageAgentHandle.h"

#include "browser/engine/EnginePageDocument.h"
#include "browser/engine/EnginePageElement.h"
#include "browser/engine/EnginePageWindow.h"
#include "browser/engine/PageAgentConnection.h"

#include <QJsonObject>

PageAgentHandle::PageAgentHandle(QPointer<PageAgentConnection> connection, QString key)
    : m_connection(std::move(connection)), m_key(std::move(key))
{
}

PageAgentConnection *PageAgentHandle::connection() const
{
    return m_connection;
}

std::optional<QJsonValue> PageAgentHandle::call(const QString &operation, const QJsonArray &arguments) const
{
    if (!m_connection)
        return std::nullopt;
    return m_connection->call(m_key, operation, arguments);
}

QString PageAgentHandle::text(const QString &operation, const QJsonArray &arguments) const
{
    return call(operation, arguments).value_or(QJsonValue()).toString();
}

bool PageAgentHandle::flag(const QString &operation, const QJsonArray &arguments) const
{
    return call(operation, arguments).value_or(QJsonValue()).toBool();
}

int PageAgentHandle::number(const QString &operation, int fallback, const QJsonArray &arguments) const
{
    const QJsonValue value = call(operation, arguments).value_or(QJsonValue());
    return value.isDouble() ? value.toInt(fallback) : fallback;
}

std::shared_ptr<PageElement> PageAgentHandle::element(const QString &operation, const QJsonArray &arguments) const
{
    const QJsonObject ref = call(operation, arguments).value_or(QJsonValue()).toObject();
    const QString key = ref.value(QLatin1String("key")).toString();
    if (key.isEmpty())
        return nullptr;
    return std::make_shared<EnginePageElement>(withKey(key), ref.value(QLatin1String("tag")).toString());
}

std::shared_ptr<PageWindow> PageAgentHandle::window(const QString &operation, const QJsonArray &arguments) const
{
    const QString key = text(operation, arguments);
    if (key.isEmpty())
        return nullptr;
    return std::make_shared<EnginePageWindow>(withKey(key));
}

std::shared_ptr<PageDocument> PageAgentHandle::document(const QString &operation, const QJsonArray &arguments) const
{
    const QString key = text(operation, arguments);
    if (key.isEmpty())
        return nullptr;
    return std::make_shared<EnginePageDocument>(withKey(key));
}
