#include "shell/WorkspaceSaver.h"

#include "shell/Workspace.h"

WorkspaceSaver::WorkspaceSaver(Workspace &workspace, TabLocations locations, QObject *parent)
    : QObject(parent), m_workspace(workspace), m_locations(std::move(locations))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(SaveDelay);
    connect(&m_timer, &QTimer::timeout, this, &WorkspaceSaver::tmrWorkspaceSaveTimer);
}

void WorkspaceSaver::tabsChanged()
{
    m_keepingLastTabs = false;
    pageChanged();
}

void WorkspaceSaver::keepLastTabs()
{
    m_keepingLastTabs = true;
    m_dirty = false;
    m_timer.stop();
}

void WorkspaceSaver::pageChanged()
{
    if (m_stopped || m_keepingLastTabs)
        return;
    m_dirty = true;
    // Not restarted by later changes: a steady stream of changes still gets written.
    if (!m_timer.isActive())
        m_timer.start();
}

void WorkspaceSaver::tmrWorkspaceSaveTimer()
{
    m_timer.stop();
    if (!m_dirty || m_stopped)
        return;
    m_dirty = false;
    const QStringList locations = m_locations();
    if (locations == m_lastWritten)
        return;
    if (m_workspace.save(locations))
        m_lastWritten = locations;
}

void WorkspaceSaver::stop()
{
    m_stopped = true;
    m_dirty = false;
    m_timer.stop();
}
