#pragma once

// A page loaded in a browser view on the real engine, for the benchmarks that work on one.
#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "testkit/WaitUntil.h"

#include <QUrl>
#include <QWebEnginePage>

namespace BenchKit {
// Loads the address and waits until the engine finished it and the view is no longer busy.
inline bool loadInView(TKestrelWB &view, const QUrl &url)
{
    auto *control = qobject_cast<WebEngineControl *>(view.control());
    if (!control)
        return false;
    bool loaded = false;
    const QMetaObject::Connection connection =
        QObject::connect(control->page(), &QWebEnginePage::loadFinished, [&loaded] { loaded = true; });
    view.Navigate(url.toString());
    const bool done = waitUntil([&loaded] { return loaded; }) && waitUntil([&view] { return !view.Busy(); });
    QObject::disconnect(connection);
    return done;
}
}
