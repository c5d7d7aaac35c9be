#pragma once

// Names the frame an event concerns: the view it belongs to and a frame number, 0 for the
// top-level page. A view's Application() is its top-level frame, so "the frame equals the
// view's Application" decides whether an event is about the page itself.
struct BrowserFrame
{
    const void *view = nullptr;
    int frame = 0;

    // Subframe events whose frame the engine does not name carry this number.
    static constexpr int UnnamedSubframe = -1;

    bool operator==(const BrowserFrame &other) const = default;
};
