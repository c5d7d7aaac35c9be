#include "testkit/EngineWait.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

bool waitForEngine(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
