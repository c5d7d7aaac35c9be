#pragma once

class QObject;

// The application's message hook: one event filter on the application object that sees every
// event before its receiver. One hook is in place at a time; putting one in takes the one
// before out, so callers save the current hook and put it back later.
class ApplicationMessageHook
{
public:
    // The hook in place, or null (also once the hook object is gone).
    static QObject *current();
    // Puts the hook in place; null leaves none.
    static void set(QObject *hook);
};
