#include "ui/THarrowFullScreen.h"

#include <QWidget>

void THarrowFullScreen::SetFullscreen(bool on)
{
    if (on == m_fullscreen)
        return;
    m_fullscreen = on;
    if (on) {
        m_savedPosition = m_window.pos();
        m_savedSize = m_window.size();
        m_savedState = m_window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized);
        m_window.setWindowState(Qt::WindowFullScreen);
        m_window.update();
        return;
    }
    if (m_savedState & Qt::WindowMaximized) {
        // The place from before maximizing stays the window's normal place.
        m_window.setWindowState(m_savedState);
    } else {
        m_window.setWindowState(Qt::WindowNoState);
        m_window.move(m_savedPosition);
        m_window.resize(m_savedSize);
        m_window.setWindowState(m_savedState);
    }
    m_window.update();
}
