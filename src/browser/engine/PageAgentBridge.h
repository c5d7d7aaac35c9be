#pragma once

#include <QObject>
#include <QString>

// The program's object on the web channel of a page, reachable only from the page agent's
// isolated world: the agent hands in late answers and the frames' load reports here.
class PageAgentBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE void answer(int id, const QString &result);
    Q_INVOKABLE void frameEvent(int frame, const QString &kind, const QString &url);
    Q_INVOKABLE void fieldEvent(const QString &field, const QString &kind, const QString &value, int caret);

signals:
    void answered(int id, const QString &result);
    // A frame's document was created (navigated) or finished loading (completed).
    void frameNavigated(int frame, const QString &url);
    void frameCompleted(int frame, const QString &url);
    // The user typed a space into a field (typedSpace), or made an edit to be remembered.
    void fieldEdited(const QString &field, bool typedSpace, const QString &value, int caret);
};
