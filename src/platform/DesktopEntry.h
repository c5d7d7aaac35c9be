#pragma once

#include <QString>
#include <QStringList>

// A desktop entry (.desktop file) that starts a program: the Linux form of a shell shortcut.
struct DesktopEntry
{
    QString name;
    QString program;
    QString workingFolder;

    // The file's lines, with the program quoted and every value escaped as desktop entries
    // require.
    QStringList lines() const;
    // Written atomically with LF line ends and marked executable, as launchers expect of
    // shortcuts they start.
    bool write(const QString &path) const;
};
