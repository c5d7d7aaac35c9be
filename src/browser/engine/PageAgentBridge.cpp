#include "browser/engine/PageAgentBridge.h"

void PageAgentBridge::answer(int id, const QString &result)
{
    emit answered(id, result);
}

void PageAgentBridge::fieldEvent(const QString &field, const QString &kind, const QString &value, int caret)
{
    if (kind == QLatin1String("space") || kind == QLatin1String("edit"))
        emit fieldEdited(field, kind == QLatin1String("space"), value, caret);
}

void PageAgentBridge::frameEvent(int frame, const QString &kind, const QString &url)
{
    // Frame 0 is the top-level page, whose events come from the engine itself.
    if (frame <= 0)
        return;
    if (kind == QLatin1String("navigate"))
        emit frameNavigated(frame, url);
    else if (kind == QLatin1String("complete"))
        emit frameCompleted(frame, url);
}
