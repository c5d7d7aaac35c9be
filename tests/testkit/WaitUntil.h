#pragma once

#include <functional>

// Runs a real event loop until the condition holds or the time is up; true when it held.
// Unlike QTest::qWaitFor, which sleeps between rounds, the loop sleeps only while no event is
// due, so the engine's many small tasks run at full speed.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 15000);
