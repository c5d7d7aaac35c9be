#include "browser/engine/PageAgentScript.h"

#include <QFile>
#include <QJsonDocument>
#include <QWebEngineScript>

namespace {
QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The values as the JSON text of a script's argument list: the one way values enter a script.
QString jsonArguments(const QJsonArray &values)
{
    return QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}
}

quint32 PageAgentScript::world()
{
    return QWebEngineScript::ApplicationWorld;
}

QString PageAgentScript::bridgeName()
{
    return QStringLiteral("pageAgentBridge");
}

QWebEngineScript PageAgentScript::create(const QString &secret)
{
    // The agent file is one function expression; it is called with the secret and with the
    // QWebChannel class, built from Qt's own client inside the call so it stays out of sight
    // even of the isolated world's globals.
    const QString channelClient = resourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    const QString source = resourceText(QStringLiteral(":/agent/pageagent.js")).trimmed()
        + QStringLiteral("(") + jsonArguments(QJsonArray{secret})
        + QStringLiteral(", (function () {\n") + channelClient
        + QStringLiteral("\nreturn QWebChannel;\n})());\n");

    QWebEngineScript script;
    script.setName(QStringLiteral("kestrel-page-agent"));
    script.setSourceCode(source);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(world());
    script.setRunsOnSubFrames(true);
    return script;
}

QString PageAgentScript::call(const QJsonArray &request)
{
    QJsonArray arguments;
    arguments.append(request);
    return QStringLiteral("kestrelPageAgent.run(") + jsonArguments(arguments) + QStringLiteral(")");
}
