#include "testkit/WaitUntil.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    bool held = condition();
    if (held)
        return true;
    QEventLoop loop;
    QDeadlineTimer deadline(timeoutMs);
    QTimer poll;
    poll.setInterval(5);
    // A condition that asks the page runs an event loop of its own, in which the poll would
    // fire again: one evaluation at a time, and the answer is the last one that finished.
    bool evaluating = false;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (evaluating)
            return;
        evaluating = true;
        held = condition();
        evaluating = false;
        if (held || deadline.hasExpired())
            loop.quit();
    });
    poll.start();
    loop.exec();
    return held;
}
