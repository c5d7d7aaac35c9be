#pragma once

#include "favorites/KestrelGroupFile.h"

#include <QString>
#include <QStringList>

class SettingsStore;

// The open tabs across runs: where the first tabs come from (the workspace file, else the
// default group of the group file, else the default start pages) and writing the tabs'
// addresses to the workspace file while "Save Workspace" is on.
class Workspace
{
public:
    static inline const QString FileName = QStringLiteral("workspace.dat");
    static inline const QString GroupFileName = KestrelGroupFile::FileName;

    // The addresses of the first tabs in order (an empty one opens the homepage) and the index
    // of the tab that ends up active, -1 with no tab.
    struct FirstTabs
    {
        QStringList addresses;
        int active = -1;
        // The addresses are the tabs of last time, from the workspace file or its copy.
        bool fromWorkspace = false;
        // The workspace file was missing, empty or unreadable and its last-good copy was used.
        bool restoredFromBackup = false;
    };

    // The files live in the given data folder.
    Workspace(SettingsStore &settings, const QString &dataFolder);

    // Two general web portals and the product's start page.
    static QStringList defaultStartPages();

    // "Save Workspace", and the Options menu entry that writes its negation.
    bool saveWorkspace() const;
    void toggleSaveWorkspace();

    FirstTabs firstTabs() const;
    // Writes the tabs' locations, in tab order, when "Save Workspace" is on; locations that are
    // empty once trimmed are left out. True when the file was written.
    bool save(const QStringList &locations) const;

    QString filePath() const;
    QString groupFilePath() const;

private:
    QStringList defaultGroupAddresses() const;

    SettingsStore &m_settings;
    QString m_dataFolder;
};
