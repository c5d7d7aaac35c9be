#pragma once

#include <QObject>
#include <functional>

// Decides when a synchronous page call may run, and when engine reports reach their handlers.
//
// A page call waits for its answer on an event loop that takes no user input. Such a loop
// must not run inside another page call, nor while the engine waits for a decision of ours
// (may this navigation go ahead, where does this new window go): the engine's own work would
// then run nested in the middle of its navigation logic. Hence:
// - while a call waits, or while the engine waits for a decision, page calls fail at once;
// - engine reports are posted, so that their handlers run from the application's event loop
//   and never inside the engine's signals; reports arriving while a call waits are held back
//   and delivered in order once it is over, never in the middle of someone else's page call.
class PageCallGate
{
public:
    // True while page calls are refused.
    static bool busy();

    // Posts the task; it runs later, in order with the other reports, and never while a call
    // or the engine waits. A task whose context object is gone by then is dropped. Work that
    // frees views (a page closing its tab, a close of the window) goes this way too, so that
    // nobody waiting on a view finds it gone when the wait is over.
    static void report(const QObject *context, std::function<void()> task);

    // Refuses page calls for as long as it lives: a call waiting, or the engine waiting.
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
