#pragma once

#include <QPoint>
#include <QSize>
#include <Qt>

class QWidget;

// The full-screen state of the main window. On Linux the window manager's full-screen state
// stands in for dropping the frame and maximizing; the place, size and window state from
// before come back when it is switched off (a maximized window stays maximized).
class THarrowFullScreen
{
public:
    explicit THarrowFullScreen(QWidget &window) : m_window(window) {}

    bool Fullscreen() const { return m_fullscreen; }
    // A call with the current value does nothing.
    void SetFullscreen(bool on);

private:
    QWidget &m_window;
    bool m_fullscreen = false;
    QPoint m_savedPosition;
    QSize m_savedSize;
    Qt::WindowStates m_savedState;
};
