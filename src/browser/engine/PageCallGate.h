#pragma once

#include <QObject>
#include <functional>

// Decides when a synchronous page call may run, and when engine reports reach their handlers.
//
// A page call waits for its answer on an event loop that takes no user input. The engine runs
// none of its own work in a loop nested inside one of its callbacks (a signal or a virtual of
// the page), so a call made there could never be answered. Hence:
// - while a call waits, or while the engine is inside a callback, page calls fail at once;
// - engine reports are posted, so that their handlers run from the application's own event
//   loop, where page calls work; reports arriving while a call waits are held back and
//   delivered in order once it is over, never in the middle of someone else's page call.
class PageCallGate
{
public:
    // True while page calls are refused.
    static bool busy();

    // Posts the task; it runs later, in order with the other reports. A task whose context
    // object is gone by then is dropped.
    static void report(const QObject *context, std::function<void()> task);

    // Refuses page calls for as long as it lives: a call waiting, or an engine callback.
    class Hold
    {
    public:
        Hold();
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;
    };

private:
    static void deliver(const QObject *context, std::function<void()> task);
    static void scheduleDelivery();
    static void deliverHeld();
};
