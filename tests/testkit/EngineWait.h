#pragma once

#include <functional>

// Waits until the condition holds, at most the given time; false when it never did.
//
// The engine moves on only while the event loop runs. QTest::qWaitFor (and with it QTRY_*)
// sleeps between its passes, so a page load that takes milliseconds takes more than a second
// under it; this waits in an event loop instead.
bool waitForEngine(const std::function<bool()> &condition, int timeoutMs = 15000);
