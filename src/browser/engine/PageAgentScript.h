#pragma once

#include <QJsonArray>
#include <QString>

class QWebEngineScript;

// The text of the page agent as it is injected, and of the calls the program runs in it.
class PageAgentScript
{
public:
    // The isolated world the agent and its web channel live in.
    static quint32 world();
    // The name the program's object has on the web channel.
    static QString bridgeName();

    // The agent for every frame, sharing the given secret with the other agents of this run.
    static QWebEngineScript create(const QString &secret);

    // A call of the top-level agent. Everything that goes into a script goes through here,
    // encoded as JSON.
    static QString call(const QJsonArray &request);
};
