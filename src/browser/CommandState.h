#pragma once

// The commands a browser view's command-state change reports.
namespace CommandState {
constexpr int Forward = 1;
constexpr int Back = 2;
}
