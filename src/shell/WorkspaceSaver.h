#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>

class Workspace;

// Keeps the workspace file current during the run, so that a crash or power cut does not lose
// the open tabs: every report that the tabs changed marks the workspace dirty, and one write
// follows a short delay later, however many reports came in between. The workspace writes only
// while "Save Workspace" is on.
class WorkspaceSaver : public QObject
{
    Q_OBJECT
public:
    // The address of every tab in tab order: the page it shows, or the one it is loading.
    using TabLocations = std::function<QStringList()>;

    static constexpr int SaveDelay = 1000;

    WorkspaceSaver(Workspace &workspace, TabLocations locations, QObject *parent = nullptr);

    QTimer &tmrWorkspaceSave() { return m_timer; }
    bool isDirty() const { return m_dirty; }

    // A tab was added, closed or moved (or the user asked for the file to catch up).
    void tabsChanged();
    // A tab's address changed.
    void pageChanged();
    // The file keeps the tabs of last time, which were not opened this time, until the user
    // changes the set of tabs: page loads alone do not replace it, nor does the close.
    void keepLastTabs();
    bool keepsLastTabs() const { return m_keepingLastTabs; }
    // The timer tick: writes the workspace when it is dirty.
    void tmrWorkspaceSaveTimer();
    // The window is closing: its own final write takes over, and the tabs being freed must not
    // write an emptied list afterwards.
    void stop();

private:
    Workspace &m_workspace;
    TabLocations m_locations;
    QTimer m_timer;
    // What the last write of this run put in the file, to skip writing the same list again.
    std::optional<QStringList> m_lastWritten;
    bool m_dirty = false;
    bool m_stopped = false;
    bool m_keepingLastTabs = false;
};
