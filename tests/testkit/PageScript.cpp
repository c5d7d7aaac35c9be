#include "testkit/PageScript.h"

#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "testkit/WaitUntil.h"

#include <QWebEnginePage>
#include <memory>
#include <optional>

QVariant runPageScript(TKestrelWB *view, const QString &script, quint32 world, int timeoutMs)
{
    auto *control = view ? qobject_cast<WebEngineControl *>(view->control()) : nullptr;
    if (!control)
        return QVariant();
    auto result = std::make_shared<std::optional<QVariant>>();
    control->page()->runJavaScript(script, world, [result](const QVariant &value) { *result = value; });
    if (!waitUntil([result] { return result->has_value(); }, timeoutMs))
        return QVariant();
    return result->value();
}
