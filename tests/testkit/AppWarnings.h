#pragma once

// Makes the current test function fail on any Qt warning of the program, leaving out the
// notices of the headless platform and the engine's graphics set-up that every window or view
// raises under offscreen. Call it from init() of widget and end-to-end tests.
void failOnAppWarnings();
