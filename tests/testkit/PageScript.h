#pragma once

#include <QString>
#include <QVariant>

class TKestrelWB;

// Runs a script in the view's top-level frame on the real engine and gives its value, or an
// invalid value when the view has no engine or the script gave no answer in time. By default it
// runs in the page's own world, as one of its scripts would.
QVariant runPageScript(TKestrelWB *view, const QString &script, quint32 world = 0, int timeoutMs = 20000);
