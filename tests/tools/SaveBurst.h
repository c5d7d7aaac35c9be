#pragma once

#include "shell/Workspace.h"

#include <QString>
#include <QStringList>

class SettingsStore;

// A burst of data-file changes through the program's own writers, as a busy session makes
// them: tabs opened and closed (workspace.dat), a typing-aid list edited (qcorrect.dat) and the
// groups edited (kestrelgroups.dat). Every change is a whole, known version of its file.
class SaveBurst
{
public:
    static constexpr int Steps = 30;

    SaveBurst(const QString &dataFolder, SettingsStore &settings);

    // Makes change number `step` (0 <= step < Steps); the step's remainder by 3 picks the file.
    void change(int step);

    // The files the burst writes, in the data folder.
    static QStringList fileNames();

private:
    QString m_dataFolder;
    Workspace m_workspace;
};
